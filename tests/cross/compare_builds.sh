#!/usr/bin/env bash
# Feeds the same generated definitions to a reference build of the program
# and to the build under test, and compares what they print: matrix mode,
# and interactive mode's echoes and results. Every line must be the same:
# the arithmetic is IEEE double in the order the code writes it, and acos,
# sin and cos are the library's own, correctly rounded. The sign of a NaN
# means nothing and is ignored.
#
#   compare_builds.sh GENERATOR REFERENCE PROGRAM...
#
# GENERATOR and PROGRAM may be prefixed by an emulator (pass them quoted).
set -euo pipefail
generator=$1
reference=$2
shift 2
program=("$@")

if [ ! -x "$reference" ]; then
  echo "reference program $reference is missing: build the native program first" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Matrix lines, or interactive mode's echo and result lines, NaN unsigned.
keep() {
  if [ "$1" = interactive ]; then grep -a -e 'vetor' -e 'resultado' || true; else cat; fi |
    sed 's/ -nan/  nan/g; s/-nan/nan/g'
}

compare() { # name count seed kind [interactive]
  local name=$1 count=$2 seed=$3 mode=${5:-matrix} option=--matrizes
  [ "$mode" = interactive ] && option=
  $generator "$count" "$seed" "$4" ${5:-} > "$work/in"
  local ref_status=0 test_status=0
  "$reference" $option < "$work/in" > "$work/ref.raw" || ref_status=$?
  "${program[@]}" $option < "$work/in" > "$work/out.raw" || test_status=$?
  if [ "$ref_status" != 0 ] || [ "$test_status" != 0 ]; then
    echo "$name: exit statuses $ref_status (reference) and $test_status (under test)"
    return 1
  fi
  keep "$mode" < "$work/ref.raw" > "$work/ref"
  keep "$mode" < "$work/out.raw" > "$work/out"
  paste -d '\t' "$work/ref" "$work/out" | awk -F '\t' -v name="$name" -v count="$count" '
    $1 != $2 { if (differing++ < 5) printf "%s line %d differs:\n  %s\n  %s\n", name, NR, $1, $2 }
    END {
      printf "%s: %d definitions, %d lines, %d differ\n", name, count, NR, differing
      exit differing > 0
    }'
}

failed=0
compare integers 100000 20261207 integers || failed=1
compare mixed 20000 42 mixed || failed=1
compare wild 100000 1017 wild || failed=1
compare wild_interactive 100000 1018 wild interactive || failed=1
compare integers_interactive 20000 1019 integers interactive || failed=1
exit $failed
