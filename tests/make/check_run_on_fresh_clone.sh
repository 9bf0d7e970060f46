#!/usr/bin/env bash
# make run on a fresh clone of this repository, fed the answers of the
# README's dialogue: standard output is exactly what the README shows (less
# the answers, which a terminal echoes), and the configuring and building
# before it say what they do in fewer than 10 lines on standard error. Then
# the same on the tree it built: not one line besides the program's.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone -q "$top" "$work/clone"

# The README's dialogue: the block that opens with "$ make run". Each
# "Entre com ...: answer" line is a question and what was typed after it.
awk '/^\$ make run$/ { inside = 1; next } inside && /^```/ { exit } inside' \
  "$work/clone/README.md" > "$work/dialogue"
[ -s "$work/dialogue" ] || { echo "README.md has no dialogue after a line '\$ make run'"; exit 1; }
sed -n 's/^\(Entre com [^:]*: \)\(.*\)$/\2/p' "$work/dialogue" > "$work/answers"
awk '/^Entre com [^:]*: / { sub(/: .*$/, ": "); printf "%s", $0; next } { print }' \
  "$work/dialogue" > "$work/expected"

run() { # name: make run in the clone, fed the answers
  (cd "$work/clone" && make run < "$work/answers" > "$work/$1.out" 2> "$work/$1.err") || {
    cat "$work/$1.err"
    echo "make run failed ($1)"
    exit 1
  }
  if ! cmp -s "$work/expected" "$work/$1.out"; then
    echo "make run ($1) did not show the README's dialogue; it wrote:"
    cat -A "$work/$1.out" | head -40
    exit 1
  fi
}

run fresh
lines=$(wc -l < "$work/fresh.err")
if [ "$lines" -ge 10 ] || grep -q 'Entering directory\|Leaving directory' "$work/fresh.err"; then
  echo "make run on a fresh clone wrote $lines lines on standard error:"
  cat "$work/fresh.err"
  exit 1
fi
echo "make run on a fresh clone: the README's dialogue, after $lines lines on standard error:"
sed 's/^/  /' "$work/fresh.err"

run built
if [ -s "$work/built.err" ]; then
  echo "make run on a built tree wrote on standard error:"
  cat "$work/built.err"
  exit 1
fi
echo "make run on a built tree: the README's dialogue, nothing on standard error"
