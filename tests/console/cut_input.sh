#!/usr/bin/env bash
# Cuts a whole run's input at every byte and checks how the program ends.
#
#   cut_input.sh COMMAND...     (the program, after any emulator)
#
# Matrix mode: the status and message follow from how many numbers the cut
# input still holds (type, O, X, Y, then D or C, then the closing 0), and a
# matrix is printed exactly when the definition is complete. Interactive
# mode: every cut ends with status 0, nothing on standard error, and
# standard output a prefix of the uncut run's.
set -u
program=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "$*"; failures=$((failures + 1)); }

# Every number is one character, so a cut keeps a number or loses it whole.
count_numbers() { tr -c '0-9\n' ' ' < "$1" | wc -w; }

check_matrix_mode() { # input, message for the last triple, uncut output
  local input=$1 last_message=$2 full_output=$3 length n expected_status expected_message
  printf '%s' "$input" > "$work/whole"
  length=$(wc -c < "$work/whole")
  for ((cut = 0; cut <= length; ++cut)); do
    head -c "$cut" "$work/whole" > "$work/in"
    n=$(count_numbers "$work/in")
    expected_message=""
    expected_status=2
    if ((n == 0 || n == 13)); then expected_status=1; expected_message="Erro na leitura do tipo da revareza!"
    elif ((n <= 3)); then expected_message="Erro na leitura de um ponto!"
    elif ((n <= 9)); then expected_message="Erro na leitura de um vetor!"
    elif ((n <= 12)); then expected_message=$last_message
    else expected_status=0
    fi
    "${program[@]}" --matrizes < "$work/in" > "$work/out" 2> "$work/err"
    local status=$?
    local expected_output=""
    ((n >= 13)) && expected_output=$full_output
    [ "$status" = "$expected_status" ] || fail "matrix cut at $cut ($n numbers): status $status, expected $expected_status"
    [ "$(cat "$work/err")" = "$expected_message" ] || fail "matrix cut at $cut: stderr '$(cat "$work/err")'"
    [ "$(cat "$work/out")" = "$expected_output" ] || fail "matrix cut at $cut: unexpected output"
  done
}

parallel=$'1  0 0 0\r\n1 0 0\r\n0 1 0\r\n0 0 1\r\n0\r\n'
perspective=$'2 0 0 5\n1 0 0\n0 1 0\n0 0 0\n0\n'
check_matrix_mode "$parallel" "Erro na leitura de um vetor!" "$(printf '%s' "$parallel" | "${program[@]}" --matrizes)"
check_matrix_mode "$perspective" "Erro na leitura de um ponto!" "$(printf '%s' "$perspective" | "${program[@]}" --matrizes)"

# Interactive: a bad token and a zero direction on the way, so that the cut
# also falls inside retries.
interactive=$'1\n1 2 x\n1 2 3\n0 0 0\n0 0 0\n1 0 0\n0 1 0\n0 0 1\n2\n1 2 9\n0 0 5\n1 0 0\n0 1 0\n0 0 0\n0\n'
printf '%s' "$interactive" > "$work/whole"
"${program[@]}" < "$work/whole" > "$work/full"
length=$(wc -c < "$work/whole")
for ((cut = 0; cut <= length; ++cut)); do
  head -c "$cut" "$work/whole" > "$work/in"
  "${program[@]}" < "$work/in" > "$work/out" 2> "$work/err"
  status=$?
  [ "$status" = 0 ] || fail "interactive cut at $cut: status $status"
  [ -s "$work/err" ] && fail "interactive cut at $cut: stderr '$(cat "$work/err")'"
  size=$(wc -c < "$work/out")
  cmp -s "$work/out" <(head -c "$size" "$work/full") || fail "interactive cut at $cut: output is not a prefix of the uncut run's"
done

echo "$failures failures"
[ "$failures" = 0 ]
