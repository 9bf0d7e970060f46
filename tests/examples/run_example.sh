#!/usr/bin/env bash
# An example's input through matrix mode gives its recorded output, byte for
# byte.
#   run_example.sh INPUT OUTPUT PROGRAM...
set -euo pipefail
input=$1
output=$2
shift 2
"$@" --matrizes < "$input" | cmp - "$output"
