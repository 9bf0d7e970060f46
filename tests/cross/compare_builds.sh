#!/usr/bin/env bash
# Feeds the same generated definitions to a reference build of the program
# and to the build under test, and compares what they print.
#
#   compare_builds.sh GENERATOR REFERENCE PROGRAM...
#
# GENERATOR and PROGRAM may be prefixed by an emulator (pass them quoted).
# Integer definitions must print the same bytes. With non-integer values the
# two C libraries' math functions may differ in a last bit, which can flip
# the sign of a printed zero or change a last digit: at most 1 line in
# 10,000 may differ so, and in no other way. The sign of a NaN means
# nothing and is ignored everywhere.
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

normalise() { sed 's/ -nan/  nan/g; s/-nan/nan/g' "$1"; }

compare() { # name count seed kind allowed_per_10000
  local name=$1 count=$2 seed=$3 kind=$4 allowed=$5
  $generator "$count" "$seed" "$kind" > "$work/$name.in"
  local ref_status=0 test_status=0
  "$reference" --matrizes < "$work/$name.in" > "$work/$name.ref" || ref_status=$?
  "${program[@]}" --matrizes < "$work/$name.in" > "$work/$name.out" || test_status=$?
  if [ "$ref_status" != 0 ] || [ "$test_status" != 0 ]; then
    echo "$name: exit statuses $ref_status (reference) and $test_status (under test)"
    return 1
  fi
  normalise "$work/$name.ref" > "$work/$name.ref.n"
  normalise "$work/$name.out" > "$work/$name.out.n"
  # Classify every differing line: "tolerable" when each differing field is
  # a zero of the other sign or a change of one in the last place.
  paste -d '\t' "$work/$name.ref.n" "$work/$name.out.n" | awk -F '\t' -v name="$name" -v allowed="$allowed" '
    function tolerable(a, b,   n, m, i, fa, fb, da, db) {
      n = split(a, fa, " "); m = split(b, fb, " ")
      if (n != m) return 0
      for (i = 1; i <= n; ++i) {
        if (fa[i] == fb[i]) continue
        if (fa[i] !~ /^-?[0-9]+\.[0-9]+$/ || fb[i] !~ /^-?[0-9]+\.[0-9]+$/) return 0
        da = fa[i] + 0; db = fb[i] + 0
        if (da == 0 && db == 0) continue                     # -0.00000 against 0.00000
        if (da - db > 0.0000100001 || db - da > 0.0000100001) return 0
      }
      return 1
    }
    { ++lines }
    $1 != $2 {
      if (!tolerable($1, $2)) { printf "%s line %d differs beyond a last digit:\n  %s\n  %s\n", name, NR, $1, $2; bad = 1; next }
      ++differing
      if (shown++ < 5) printf "%s line %d: %s | %s\n", name, NR, $1, $2
    }
    END {
      printf "%s: %d lines, %d differ in a zero sign or last digit (allowed %d per 10000)\n", name, lines, differing, allowed
      if (bad || differing * 10000 > allowed * lines) exit 1
    }'
}

failed=0
compare integers 3000 20261207 integers 0 || failed=1
compare mixed 3000 42 mixed 1 || failed=1
exit $failed
