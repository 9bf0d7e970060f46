#!/usr/bin/env bash
# The manual renders without a single warning.
#   check_manual.sh GROFF MANUAL
set -euo pipefail
out=$("$1" -man -ww -z "$2" 2>&1)
[ -z "$out" ] || { echo "$out"; exit 1; }
