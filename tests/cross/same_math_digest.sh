#!/usr/bin/env bash
# Two builds' digests of the library's correctly rounded functions, on the
# hard cases and 10^6 arguments each, are the same bytes.
#   same_math_digest.sh HARD_CASES REFERENCE_TOOL TOOL_COMMAND...
#   (TOOL_COMMAND: the tool after any emulator, or node and the tool's .js)
set -euo pipefail
cases=$1
reference=$2
shift 2
cmp <("$reference" "$cases" 1000000) <("$@" "$cases" 1000000)
