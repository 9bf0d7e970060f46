#!/usr/bin/env bash
# The C++ blocks of the documentation compile and print what they say. The
# rule: every ```cpp block is a whole program, with its includes and main,
# that a reader pastes into a file of its own and builds as it stands; the
# comment that ends each line writing to std::cout is exactly the line that
# statement prints. Each block is compiled with the build tree's headers and
# libraries (no warning allowed) and run, and its standard output must be
# those comments' lines in order.
#
#   check_cpp_snippets.sh CXX INCLUDE_DIR GENERATED_INCLUDE_DIR LIBRARIES MARKDOWN...
#   (LIBRARIES: the library files, separated by ';' as CMake lists them)
set -euo pipefail
cxx=$1
include=$2
generated=$3
IFS=';' read -r -a libraries <<< "$4"
shift 4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

count=0
failed=0
for markdown in "$@"; do
  # One file per block, named after the line its fence opens on.
  awk -v out="$work/block" '
    /^```cpp[[:space:]]*$/ { file = out "_" NR ".cpp"; next }
    /^```/ { file = ""; next }
    file != "" { print > file }' "$markdown"
  for block in "$work"/block_*.cpp; do
    [ -e "$block" ] || continue
    line=${block##*_}
    where="$(basename "$markdown"):${line%.cpp}"
    count=$((count + 1))
    # What each printing line says it prints: its comment after ";".
    awk '/std::cout/ {
           if (match($0, /;[[:space:]]*\/\/ /)) print substr($0, RSTART + RLENGTH)
           else print $0 > "/dev/stderr"
         }' "$block" > "$work/expected" 2> "$work/silent"
    if [ -s "$work/silent" ]; then
      echo "$where: a line writing to std::cout has no comment saying what it prints:"
      cat "$work/silent"
      failed=$((failed + 1))
    elif ! grep -q '^int main' "$block"; then
      echo "$where: not a whole program (no int main)"
      failed=$((failed + 1))
    elif ! "$cxx" -std=c++17 -Wall -Wextra -Werror -pedantic -ffp-contract=off -I "$include" -I "$generated" \
             -o "$work/program" "$block" -Wl,--start-group "${libraries[@]}" -Wl,--end-group > "$work/log" 2>&1; then
      echo "$where: does not compile as pasted:"
      cat "$work/log"
      failed=$((failed + 1))
    elif ! "$work/program" > "$work/actual" 2>&1; then
      echo "$where: the program failed:"
      cat "$work/actual"
      failed=$((failed + 1))
    elif ! diff -u --label "$where, its comments" --label "$where, printed" "$work/expected" "$work/actual"; then
      failed=$((failed + 1))
    else
      echo "$where: compiles, runs and prints $(wc -l < "$work/expected") line(s) as its comments say"
    fi
    rm "$block"
  done
done
[ "$count" -gt 0 ] || { echo "no cpp block in $*"; exit 1; }
[ "$failed" = 0 ] || { echo "$failed of $count C++ blocks are not as pasted"; exit 1; }
