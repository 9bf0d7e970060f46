# 32-bit x86 Linux from the same source, on an x86-64 host (g++-multilib).
#
# Doubles use SSE2, not the x87 unit: x87 keeps intermediates in 80-bit
# registers and rounds differently, so the 32-bit program would print other
# matrices than the 64-bit one (signs of zeros, last digits, NaN or not).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
# Static, so that the emulator needs no 32-bit shared libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32 -static")

# This kernel does not run 32-bit binaries itself; tests go through qemu.
find_program(REVAREZA_QEMU_I386 qemu-i386)
if(REVAREZA_QEMU_I386)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${REVAREZA_QEMU_I386}")
endif()
