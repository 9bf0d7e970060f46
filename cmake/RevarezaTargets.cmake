# Settings every target of the project gets, test targets included.

option(REVAREZA_SANITIZE
  "Build every target with AddressSanitizer (leak checks included) and UndefinedBehaviorSanitizer" OFF)
option(REVAREZA_FUZZ
  "Instrument every target for libFuzzer's coverage (clang only) and build the fuzz targets" OFF)

# -ffp-contract=off: results are IEEE double operations in the
# order the code writes them; a fused multiply-add would change roundings
# (signs of zeros, last digits, NaN or not).
function(revareza_configure_target target)
  target_compile_features(${target} PUBLIC cxx_std_17)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  target_compile_options(${target} PRIVATE
    -ffp-contract=off
    -Wall -Wextra -Wpedantic -Wshadow)
  if(REVAREZA_SANITIZE OR REVAREZA_FUZZ)
    # Any error ends the run: a report that let the program go on could pass unseen.
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  elseif(EMSCRIPTEN)
    # No hardening for WebAssembly: it has no stack protector runtime to
    # link (__stack_chk_guard), no relocation to make read-only, and no
    # checked variant of the libc calls.
  else()
    # Hardened as Debian builds its packages (lintian checks the program):
    # checked libc calls and a stack protector in optimised code, and
    # relocations resolved at start and then made read-only. No number
    # changes by it.
    target_compile_options(${target} PRIVATE
      $<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2>
      -fstack-protector-strong)
    target_link_options(${target} PRIVATE LINKER:-z,relro,-z,now)
  endif()
  if(REVAREZA_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# A library of revareza's: revareza_<name> in this build, revareza::<name>
# for consumers (alias here, export name when installed). Static or shared
# as BUILD_SHARED_LIBS says; position-independent either way, so that the
# static libraries can go into someone's shared library.
function(revareza_configure_library target name)
  add_library(revareza::${name} ALIAS ${target})
  set_target_properties(${target} PROPERTIES
    EXPORT_NAME ${name}
    POSITION_INDEPENDENT_CODE ON
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR})
  revareza_configure_target(${target})
endfunction()
