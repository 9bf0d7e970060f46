#!/usr/bin/env bash
# make test-math: rounded_math_test on COUNT arguments per function, shared
# by PARTS processes; prints each part's figures, the totals and the time.
#
#   rounded_math_in_parts.sh TEST_PROGRAM HARD_CASES COUNT PARTS
set -euo pipefail
program=$1 hard_cases=$2 count=$3 parts=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
start=$(date +%s)
pids=()
for ((part = 0; part < parts; ++part)); do
  "$program" "$hard_cases" "$count" "$part" "$parts" > "$work/$part" &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
  wait "$pid" || status=1
done
cat "$work"/*
awk '$3 == "arguments," { n[$1] += $2; m[$1] += $4 }
     END { for (f in n) printf "%s: %d arguments in all, %d mismatches\n", f, n[f], m[f] }' "$work"/* | sort
echo "$(( $(date +%s) - start )) s"
exit $status
