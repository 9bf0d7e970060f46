#!/usr/bin/env bash
# Interactive mode on definitions that are degenerate in exact arithmetic,
# on tilted planes of small integers (X, Y and the normal X x Y have no zero
# component), four families: Y = kX, D = pX + qY and C = O + pX + qY, each
# refused with its reason and asked again (then answered with a vector that
# has a projection), and P = C + pX + qY, in the plane through C parallel
# to the plane, which has no image. Never a result line for them: the
# output must hold exactly one reason per refused vector, each followed by
# the same question, one no-image line per point, and a result line for
# each answer asked again.
#
#   degenerate_families.sh PROGRAM...    (the program, after any emulator)
set -u
planes=40
state=20261209
next() { # a small integer from -9 to 9 in $n
  state=$(((state * 1103515245 + 12345) % 2147483648))
  n=$(((state >> 8) % 19 - 9))
}
triple() { next; a=$n; next; b=$n; next; c=$n; }

input=""
made=0
while [ "$made" -lt "$planes" ]; do
  triple; o=("$a" "$b" "$c")
  triple; x=("$a" "$b" "$c")
  triple; y=("$a" "$b" "$c")
  normal=($((x[1] * y[2] - x[2] * y[1])) $((x[2] * y[0] - x[0] * y[2])) $((x[0] * y[1] - x[1] * y[0])))
  dot=$((x[0] * y[0] + x[1] * y[1] + x[2] * y[2]))
  next; p=$n; next; q=$n; next; k=$n
  along=($((p * x[0] + q * y[0])) $((p * x[1] + q * y[1])) $((p * x[2] + q * y[2])))
  # Tilted planes, a Y that is to be made orthogonal, and real multiples.
  [ "${normal[0]}" != 0 ] && [ "${normal[1]}" != 0 ] && [ "${normal[2]}" != 0 ] && [ "$dot" != 0 ] \
    && [ "$k" != 0 ] && [ "${along[*]}" != "0 0 0" ] || continue
  made=$((made + 1))
  centre=($((o[0] + normal[0])) $((o[1] + normal[1])) $((o[2] + normal[2])))
  # Y = kX, then Y itself; D = pX + qY, then D along the normal.
  input+="1
1 2 3
${o[*]}
${x[*]}
$((k * x[0])) $((k * x[1])) $((k * x[2]))
${y[*]}
${normal[*]}
1
1 2 3
${o[*]}
${x[*]}
${y[*]}
${along[*]}
${normal[*]}
"
  # C = O + pX + qY, then C off the plane; and P = C + pX + qY from that C.
  input+="2
1 2 3
${o[*]}
${x[*]}
${y[*]}
$((o[0] + along[0])) $((o[1] + along[1])) $((o[2] + along[2]))
${centre[*]}
2
$((centre[0] + along[0])) $((centre[1] + along[1])) $((centre[2] + along[2]))
${o[*]}
${x[*]}
${y[*]}
${centre[*]}
"
done
output=$(printf '%s0\n' "$input" | "$@")
status=$?

failed=0
expect() { # count, what, text (a fixed string at the start of a line's answer)
  local found
  found=$(grep -cF -- "$3" <<< "$output")
  if [ "$found" != "$1" ]; then
    echo "$2: $found lines, not $1"
    failed=1
  fi
}
[ "$status" = 0 ] || { echo "exit status $status"; failed=1; }
y_question="Entre com valores da direcao Y no plano de revareza: "
d_question="Entre com valores da direcao de revareza: "
c_question="Entre com valores do centro de revareza: "
reasons=("${y_question}O vetor passado e' paralelo ao vetor X" "${d_question}A direcao passada e' paralela ao plano"
  "${c_question}O centro passado pertence ao plano")
for reason in "${reasons[@]}"; do
  expect "$planes" "'$reason'" "$reason"
  # The reason's own question comes again on the next line.
  question=${reason%%: *}
  again=$(grep -A1 -F -- "$reason" <<< "$output" | grep -v -F -- "$reason" | grep -c -- "^$question: ")
  [ "$again" = "$planes" ] || { echo "'$question' asked again $again times, not $planes"; failed=1; }
done
expect "$planes" "points without image" "O ponto nao tem projecao no plano de revareza"
expect $((3 * planes)) "results of the answers asked again" "O resultado da revareza e': ("
expect 0 "overflows" "grandes demais"
[ "$failed" = 0 ] && echo "$planes tilted planes: every degenerate definition refused or without image"
exit $failed
