#!/usr/bin/env bash
# The committed tables of the math are what their generator writes.
#   tables_as_generated.sh GENERATOR TABLES
set -euo pipefail
"$1" | cmp - "$2"
