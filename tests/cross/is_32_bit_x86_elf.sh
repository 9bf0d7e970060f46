#!/usr/bin/env bash
# The 32-bit build really made a 32-bit x86 program: ELF class 1 (byte 4)
# and machine 3, EM_386 (byte 18).
#   is_32_bit_x86_elf.sh PROGRAM
set -euo pipefail
byte() { od -An -tu1 -j"$1" -N1 "$2" | tr -d ' '; }
[ "$(byte 4 "$1")" = 1 ] && [ "$(byte 18 "$1")" = 3 ]
