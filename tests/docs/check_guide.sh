#!/usr/bin/env bash
# The guide's numbers are the program's: each dialogue (a block opening with
# "$ revareza"), each matrix (a block opening with "$ echo '...' | revareza
# --matrizes") and each exercise (an "Entrada:" line and its "Resposta:")
# is run through the program and must read exactly as the guide shows it;
# and every figure the guide shows is there.
#
#   check_guide.sh GUIDE PROGRAM...    (the program, after any emulator)
set -uo pipefail
guide=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "$1"; failed=1; }

# The blocks, one file each: block.N holds its lines without the fences.
awk -v dir="$work" '
  /^```/ { if (inside) { inside = 0 } else { inside = 1; n++ } ; next }
  inside { print > (dir "/block." n) }' "$guide"
dialogues=0
matrices=0
for block in "$work"/block.*; do
  first=$(head -1 "$block")
  if [ "$first" = '$ revareza' ]; then
    # "Entre com ...: answer" is a question and what was typed after it.
    tail -n +2 "$block" | sed -n 's/^\(Entre com [^:]*: \)\(.*\)$/\2/p' > "$work/answers"
    tail -n +2 "$block" | awk '/^Entre com [^:]*: / { sub(/: .*$/, ": "); printf "%s", $0; next } { print }' \
      > "$work/expected"
    "$@" < "$work/answers" > "$work/got"
    cmp -s "$work/expected" "$work/got" || { fail "the dialogue of $block differs:"; diff "$work/expected" "$work/got"; }
    dialogues=$((dialogues + 1))
  elif [[ $first =~ ^\$\ echo\ \'(.*)\'\ \|\ revareza\ --matrizes$ ]]; then
    echo "${BASH_REMATCH[1]}" | "$@" --matrizes > "$work/got"
    tail -n +2 "$block" | cmp -s - "$work/got" || { fail "the matrix of '$first' differs:"; cat "$work/got"; }
    matrices=$((matrices + 1))
  fi
done

# Each exercise: the answers to the questions, then 0; the answer is the
# last line the program writes about it (a result, no image, or a reason).
exercises=0
while IFS=$'\t' read -r input answer; do
  printf '%s\n0\n' "$input" | "$@" > "$work/got"
  last=$(grep -o "O resultado da revareza e': ([^)]*)\|O ponto nao tem projecao.*\|A direcao passada.*\|O centro passado.*\|O vetor passado e' paralelo.*" \
    "$work/got" | tail -1)
  [ "$last" = "$answer" ] || fail "exercise '$input': the program says '$last', the guide '$answer'"
  exercises=$((exercises + 1))
done < <(awk '
  /Entrada: `/ { s = $0; sub(/^[^`]*`/, "", s); sub(/`.*$/, "", s); input = s }
  /Resposta: `/ && input != "" { s = $0; sub(/^[^`]*`/, "", s); sub(/`.*$/, "", s); print input "\t" s; input = "" }
  ' "$guide")

# Every figure is there.
for figure in $(grep -o '!\[[^]]*\]([^)]*)' "$guide" | sed 's/.*(\(.*\))/\1/'); do
  [ -f "$(dirname "$guide")/$figure" ] || fail "the guide shows $figure, which is not there"
done

[ "$dialogues" -ge 1 ] && [ "$matrices" -ge 3 ] && [ "$exercises" -ge 8 ] \
  || fail "only $dialogues dialogues, $matrices matrices and $exercises exercises were found"
[ "$failed" = 0 ] && echo "$dialogues dialogue(s), $matrices matrices and $exercises exercises: the program's"
exit $failed
