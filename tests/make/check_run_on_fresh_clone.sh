#!/usr/bin/env bash
# `echo 0 | make run` on a fresh clone of this repository: standard output
# holds exactly what the program writes (the notice, the menu and the
# prompt), however much configuring and building it took first.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git clone -q "$top" "$work/clone"
printf '%s\n\n%s\n%s\n\n%s\n\n%s' \
  "Atencao: Antes de executar este programa, leia as instrucoes de uso" \
  "[1] Calcular uma revareza paralela" "[2] Calcular uma revareza perspectiva" \
  "[0] Sair do programa" "Entre com a sua opcao: " > "$work/expected"
(cd "$work/clone" && echo 0 | make run > "$work/out" 2> "$work/err")
if ! cmp -s "$work/expected" "$work/out"; then
  echo "make run wrote more than the program's output on standard output:"
  cat -A "$work/out" | head -40
  exit 1
fi
echo "make run on a fresh clone: standard output is the program's alone ($(wc -l < "$work/err") lines of build messages on standard error)"
