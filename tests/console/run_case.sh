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
#   input     optional; where standard input comes from instead of a file:
#             closed       no standard input at all (reads fail with EBADF)
#             directory    a directory (reads fail with EISDIR)
#             nonblocking  a non-blocking pipe holding stdin, whose writer
#                          stays open: after the data, reads fail with EAGAIN
#             pipe         stdin.sh's output through a pipe, as it is made
#                          (endless input, or too large to store)
#   peak_kb   optional; the run's peak resident memory may exceed that of a
#             one-definition matrix-mode run by at most this many KiB
#
# Every run is cut off after 300 seconds: a program that loops counts as
# failed rather than holding up the suite.
set -u
case_dir=$1
shift

args=()
if [ -f "$case_dir/args" ]; then
  mapfile -t args < "$case_dir/args"
fi
redirect=file
[ -f "$case_dir/redirect" ] && redirect=$(< "$case_dir/redirect")
input_kind=file
[ -f "$case_dir/input" ] && input_kind=$(< "$case_dir/input")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=/dev/null
if [ -f "$case_dir/stdin.sh" ] && [ "$input_kind" != pipe ]; then
  bash "$case_dir/stdin.sh" > "$work/stdin"
  input="$work/stdin"
elif [ -f "$case_dir/stdin" ]; then
  input="$case_dir/stdin"
fi
: > "$work/stdout"

peak_file=$work/peak
measure=()
if [ -f "$case_dir/peak_kb" ]; then
  measure=(/usr/bin/time -f %M -o "$peak_file")
fi

# Runs the program with standard input as the case asks; the caller
# redirects standard output and error.
run() {
  local command=(timeout ${CASE_TIMEOUT:-300} "${measure[@]}" "$@" "${args[@]}")
  case $input_kind in
    file) "${command[@]}" < "$input" ;;
    closed) "${command[@]}" <&- ;;
    directory) "${command[@]}" < "$case_dir" ;;
    pipe) bash "$case_dir/stdin.sh" | "${command[@]}" ;;
    nonblocking)
      perl -e 'use Fcntl;
        my $file = shift;
        pipe(my $r, my $w) or die "pipe: $!";
        open(my $in, "<", $file) or die "$file: $!";
        local $/; my $data = <$in>;
        syswrite($w, $data) == length($data) or die "write: $!";
        fcntl($r, F_SETFL, O_NONBLOCK) or die;
        fcntl($w, F_SETFD, 0) or die;    # the writer stays open in the program
        open(STDIN, "<&", $r) or die;
        exec @ARGV or die "exec: $!"' "$input" "${command[@]}" ;;
    *) echo "unknown input '$input_kind' in $case_dir" >&2; return 2 ;;
  esac
}

case $redirect in
  file)
    run "$@" > "$work/stdout" 2> "$work/stderr" ;;
  full)
    run "$@" > /dev/full 2> "$work/stderr" ;;
  closed)
    run "$@" >&- 2> "$work/stderr" ;;
  broken-pipe|sigpipe)
    # A FIFO opened read-write, then for writing, then its reader closed:
    # every write fails at once, with no race against a reader's exit.
    mkfifo "$work/pipe"
    exec 3<>"$work/pipe" 4>"$work/pipe"
    exec 3<&-
    signal=--ignore-signal=PIPE
    [ "$redirect" = sigpipe ] && signal=--default-signal=PIPE
    run env "$signal" "$@" >&4 2> "$work/stderr"
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
if [ -f "$case_dir/peak_kb" ]; then
  printf '1 0 0 0 1 0 0 0 1 0 0 0 1 0\n' | /usr/bin/time -f %M -o "$work/baseline" "$@" --matrizes > /dev/null
  peak=$(tail -1 "$peak_file")
  baseline=$(tail -1 "$work/baseline")
  allowed=$(< "$case_dir/peak_kb")
  echo "peak memory $peak KiB, $baseline KiB for one definition"
  if [ $((peak - baseline)) -gt "$allowed" ]; then
    echo "peak memory exceeds the one-definition run's by more than $allowed KiB"
    failed=1
  fi
fi
exit $failed
