#!/usr/bin/env bash
# The program on a real terminal, a tmux pane: a parallel projection whose
# point is mended with Left, Backspace and a retyped digit, then a second
# one answered after the menu by Up and Enter alone, each Up recalling the
# first run's answer to that same question (each answer differs, so a
# shared or missing history shows); then a third one whose point holds a
# no-break space, and then an e with an acute accent, each typed as its
# UTF-8 bytes: libedit must take no byte for a key (0xC2 is Meta-B to it)
# and hand the line on as typed, so that both are read as through a pipe,
# and refused. The program shows each such byte as \U+00XX, whatever the
# terminal's locale (here UTF-8). The origin, asked again, is mended with
# Ctrl-U, Ctrl-A, Alt-F, Ctrl-K, Alt-B, Ctrl-W, Ctrl-E. Ctrl-D at the menu
# then ends the run with status 0. The screen must read exactly as below.
# Then a pasted line and a signal, below.
#
#   terminal_editing.sh TMUX PROGRAM
set -u
work=$(mktemp -d)
tmux=("$1" -S "$work/socket" -f /dev/null)
trap '"${tmux[@]}" kill-server 2> /dev/null; rm -rf "$work"' EXIT # the server in use
"${tmux[@]}" new-session -d -x 100 -y 80 "LC_ALL=C.UTF-8 $(printf %q "$2"); echo \"status \$?\"; exec sleep 600"

screen() { "${tmux[@]}" capture-pane -p; }
find_pane_tty() { pane_tty=$("${tmux[@]}" display-message -p '#{pane_tty}'); }
find_pane_tty

# Each wait lasts until the program has done what is waited for, however
# loaded the machine, up to WAIT_SECONDS: time enough only for a program
# that hangs.
WAIT_SECONDS=120
wait_until() { # what is waited for, command...
  local deadline=$((SECONDS + WAIT_SECONDS))
  until "${@:2}"; do
    if ((SECONDS >= deadline)); then
      echo "after $WAIT_SECONDS s, still no $1; the screen:"
      screen
      exit 1
    fi
    sleep 0.05
  done
}

shown() { # times, text; the screen keeps no space at the end of a line
  [ "$(screen | grep -cF -- "${2% }")" -ge "$1" ]
}
wait_for() { wait_until "'$2' on the screen (time $1)" shown "$1" "$2"; }

# libedit prints the question, then takes the terminal out of its line
# mode: keys sent in between would be echoed by the terminal itself.
editing() { [[ " $(stty -F "$pane_tty" -a | tr '\n' ' ') " == *" -icanon "* ]]; }

# Keys go only to a question on the screen that libedit reads.
answer() { # times the prompt must have been shown, prompt, keys...
  wait_for "$1" "$2"
  wait_until "line editing on the terminal" editing
  if (($# > 2)); then
    "${tmux[@]}" send-keys "${@:3}"
  fi
}

menu="Entre com a sua opcao: "
questions=("Entre com valores do ponto a ser projetado: " "Entre com valores da origem do plano de revareza: "
  "Entre com valores da direcao X no plano de revareza: " "Entre com valores da direcao Y no plano de revareza: "
  "Entre com valores da direcao de revareza: ")
answer 1 "$menu" 1 Enter
answer 1 "${questions[0]}" "1 5 3" Left Left BSpace 2 Enter
answers=("" "0 0 1" "1 0 0" "0 1 0" "1 0 1")
for i in 1 2 3 4; do
  answer 1 "${questions[i]}" "${answers[i]}" Enter
done
answer 2 "$menu" 1 Enter
for i in 0 1 2 3 4; do
  answer 2 "${questions[i]}" Up Enter
done
retry="Dados invalidos, tente novamente: "
answer 3 "$menu" 1 Enter
answer 3 "${questions[0]}" -H 37 c2 a0 38 20 31 20 31 0d # 7, U+00A0, 8 1 1
answer 1 "$retry" Up Enter
answer 2 "$retry" -H 31 20 32 20 31 c3 a9 35 0d # 1 2 1é5: é5 is the origin's
answer 3 "$retry" "7 7" C-u "0 1 5" C-a "0 " M-f M-f C-k M-b M-b "8 " C-w C-e BSpace 1 Enter
for i in 2 3 4; do
  answer 3 "${questions[i]}" Up Enter
done
answer 4 "$menu" C-d
wait_for 1 "status "

directions="${questions[2]}1 0 0
Usando o vetor (1.00000,0.00000,0.00000)
${questions[3]}0 1 0
Usando o vetor (0.00000,1.00000,0.00000)
${questions[4]}1 0 1
Usando o vetor (0.70711,0.00000,0.70711)"
dialogue="${questions[0]}1 2 3
${questions[1]}0 0 1
$directions
O resultado da revareza e': (-1.00000,2.00000)"
menu_lines="
[1] Calcular uma revareza paralela
[2] Calcular uma revareza perspectiva

[0] Sair do programa
"
expected="Atencao: Antes de executar este programa, leia as instrucoes de uso
$menu_lines
${menu}1
$dialogue
$menu_lines
${menu}1
$dialogue
$menu_lines
${menu}1
${questions[0]}7\\U+00C2\\U+00A08 1 1
${retry}7\\U+00C2\\U+00A08 1 1
${retry}1 2 1\\U+00C3\\U+00A95
${questions[1]}${retry}0 0 1
$directions
O resultado da revareza e': (1.00000,2.00000)
$menu_lines
${menu}^D
status 0"
if [ "$(screen)" != "$expected" ]; then
  diff <(echo "$expected") <(screen)
  exit 1
fi

# A 10 MB line pasted for the point costs little memory, gets the answer
# the same bytes get from a pipe and leaves the screen as typed; then
# kill -TERM ends the program alone, with the terminal's shell going on:
# the shell prints after 143.
"${tmux[@]}" kill-server
tmux=("$1" -S "$work/second-socket" -f /dev/null) # a server of its own: the first may still be ending
"${tmux[@]}" new-session -d -x 100 -y 60 "$(printf %q "$2"); echo after \$?; exec sleep 600"
find_pane_tty
answer 1 "$menu" 1 Enter
answer 1 "${questions[0]}"
{ printf '1 2 '; head -c 10000000 /dev/zero | tr '\0' 0; printf '3\n'; } > "$work/paste"
"${tmux[@]}" load-buffer "$work/paste"
"${tmux[@]}" paste-buffer
for i in 1 2 3 4; do
  answer 1 "${questions[i]}" "${answers[i]}" Enter
done
wait_for 1 "O resultado da revareza e': (-1.00000,2.00000)"
# After the paste's first 4096 bytes and libedit's newline, the questions
# and answers alone, edited again: nothing the terminal echoed itself.
after_paste=$(screen | sed -n "/^${questions[1]}/,/^O resultado/p")
if [ "$after_paste" != "${dialogue#*$'\n'}" ]; then
  diff <(echo "${dialogue#*$'\n'}") <(echo "$after_paste")
  exit 1
fi
program=$(pgrep -P "$("${tmux[@]}" display-message -p '#{pane_pid}')" | head -1)
peak_kb=$(awk '/^VmHWM:/ { print $2 }' "/proc/$program/status")
if [ "$peak_kb" -ge 32768 ]; then
  echo "a pasted 10 MB line took the program to $peak_kb KiB"
  exit 1
fi
kill -TERM "$program"
wait_for 1 "after 143"
