#!/usr/bin/env bash
# Runs the program on one black-box case and compares standard output,
# standard error and the exit status with the case's files, byte for byte.
#
#   run_case.sh CASE_DIR COMMAND...    (COMMAND: the program, after any emulator)
#
# "-nan" and "nan" compare equal: which NaN an operation yields depends on
# the order in which the compiler put its operands and on the hardware (or
# emulator), and means nothing. Everything else is compared byte for byte.
#
# A case directory holds:
#   args      optional; one argument per line
#   stdin     optional; standard input (empty when absent)
#   stdin.sh  optional, instead of stdin: a bash script that writes it (for
#             inputs too large to keep, a megabyte line say)
#   stdout    expected standard output (empty when absent)
#   stdout.sh optional, instead of stdout: a bash script that writes it
#   stderr    expected standard error (empty when absent)
#   status    expected exit status (0 when absent; 141 = killed by SIGPIPE)
#   redirect  optional; where standard output goes instead of a file:
#             full         /dev/full
#             closed       no standard output at all
#             broken-pipe  a pipe whose reader is gone, SIGPIPE ignored
#             sigpipe      a pipe whose reader is gone, SIGPIPE default
set -u
case_dir=$1
shift

args=()
if [ -f "$case_dir/args" ]; then
  mapfile -t args < "$case_dir/args"
fi
redirect=file
[ -f "$case_dir/redirect" ] && redirect=$(< "$case_dir/redirect")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=/dev/null
if [ -f "$case_dir/stdin.sh" ]; then
  bash "$case_dir/stdin.sh" > "$work/stdin"
  input="$work/stdin"
elif [ -f "$case_dir/stdin" ]; then
  input="$case_dir/stdin"
fi
: > "$work/stdout"

case $redirect in
  file)
    "$@" "${args[@]}" < "$input" > "$work/stdout" 2> "$work/stderr" ;;
  full)
    "$@" "${args[@]}" < "$input" > /dev/full 2> "$work/stderr" ;;
  closed)
    "$@" "${args[@]}" < "$input" >&- 2> "$work/stderr" ;;
  broken-pipe|sigpipe)
    # A FIFO opened read-write, then for writing, then its reader closed:
    # every write fails at once, with no race against a reader's exit.
    mkfifo "$work/pipe"
    exec 3<>"$work/pipe" 4>"$work/pipe"
    exec 3<&-
    signal=--ignore-signal=PIPE
    [ "$redirect" = sigpipe ] && signal=--default-signal=PIPE
    env "$signal" "$@" "${args[@]}" < "$input" >&4 2> "$work/stderr"
    ;;
  *)
    echo "unknown redirect '$redirect' in $case_dir" >&2
    exit 2 ;;
esac
status=$?
exec 4>&- 2>/dev/null

expected_status=0
[ -f "$case_dir/status" ] && expected_status=$(< "$case_dir/status")
failed=0
for stream in stdout stderr; do
  expected="$case_dir/$stream"
  if [ -f "$case_dir/$stream.sh" ]; then
    bash "$case_dir/$stream.sh" > "$work/generated.$stream"
    expected="$work/generated.$stream"
  fi
  [ -f "$expected" ] || expected=/dev/null
  # A padded field keeps its width: " -nan" becomes "  nan".
  sed 's/ -nan/  nan/g; s/-nan/nan/g' "$expected" > "$work/expected.$stream"
  sed -i 's/ -nan/  nan/g; s/-nan/nan/g' "$work/$stream"
  expected="$work/expected.$stream"
  if ! cmp -s "$expected" "$work/$stream"; then
    echo "$stream differs (expected, then actual, as cat -A):"
    cat -A "$expected" | head -40
    echo "----"
    cat -A "$work/$stream" | head -40
    failed=1
  fi
done
if [ "$status" != "$expected_status" ]; then
  echo "status $status, expected $expected_status"
  failed=1
fi
exit $failed
