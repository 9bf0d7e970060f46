#!/usr/bin/env bash
# Matrix mode against its yardstick: the same definitions through the real
# program and through the from_chars/to_chars reference loop, which makes the
# same five writes per definition.
#
#   run_bench.sh BUILD_DIR [DEFINITIONS] [ROUNDS]
#
# Prints definitions per second for both (median of the rounds, output to a
# file), the ratio of their times, and the peak memory of the program at
# DEFINITIONS and at four times as many. Fails when the program takes more
# than 1.3 times the reference's time or its output differs from the
# reference's.
set -euo pipefail
build=$1
count=${2:-100000}
rounds=${3:-7}
program=$build/console/revareza
reference=$build/bench/reference_loop
generator=$build/tools/generate_definitions

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$generator" "$count" 2026 mixed > "$work/input"
"$generator" $((4 * count)) 2026 mixed > "$work/input4"

# Seconds taken by one run, to the microsecond.
seconds() {
  local start end
  start=$(date +%s%N)
  "$@" < "$work/input" > "$work/output"
  end=$(date +%s%N)
  echo "$(( (end - start) / 1000 ))" | awk '{ printf "%.6f\n", $1 / 1e6 }'
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

: > "$work/program.times"
: > "$work/reference.times"
for ((i = 0; i < rounds; ++i)); do   # alternate, so that both see the same machine
  seconds "$program" --matrizes >> "$work/program.times"
  cp "$work/output" "$work/program.out"
  seconds "$reference" >> "$work/reference.times"
done
if ! cmp -s "$work/program.out" "$work/output"; then
  echo "the program's output differs from the reference loop's" >&2
  exit 1
fi

program_time=$(median < "$work/program.times")
reference_time=$(median < "$work/reference.times")
# Peak resident memory in KB, from GNU time (Debian package time).
peak() {
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f %M "$program" --matrizes < "$1" 2>&1 > /dev/null | tail -1
  else
    echo "?"
  fi
}
peak_small=$(peak "$work/input")
peak_large=$(peak "$work/input4")

awk -v n="$count" -v p="$program_time" -v r="$reference_time" -v ms="$peak_small" -v ml="$peak_large" -v rounds="$rounds" '
BEGIN {
  printf "%d definitions, median of %d runs, output to a file\n", n, rounds
  printf "  revareza --matrizes  %8.3f s  %9.0f definitions/s\n", p, n / p
  printf "  reference loop       %8.3f s  %9.0f definitions/s\n", r, n / r
  printf "  ratio                %8.2f (limit 1.30)\n", p / r
  if (ms == "?") print "  peak memory          not measured: /usr/bin/time is missing (apt-get install time)"
  else printf "  peak memory          %d KB at %d definitions, %d KB at %d\n", ms, n, ml, 4 * n
  exit (p / r > 1.30)
}'
