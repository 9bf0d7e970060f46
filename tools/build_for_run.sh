#!/usr/bin/env bash
# What make run does before it starts the program: configure once and build
# the program alone, without taking the terminal from it. Each step that has
# work to do says so in one line on standard error; their own messages go
# to a log, shown whole only if the step fails. On a built tree nothing is
# written.
#
#   build_for_run.sh PRESET BUILD_DIR TARGET JOBS
set -uo pipefail
preset=$1
build=$2
target=$3
jobs=$4
log=$build/make-run.log

failed() { # step
  echo "make run: $1 failed; its messages ($log):" >&2
  cat "$log" >&2
  exit 1
}

mkdir -p "$build"
: > "$log"
if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "make run: configuring $build (cmake --preset $preset), the first time only" >&2
  cmake --preset "$preset" >> "$log" 2>&1 || failed configuring
fi
# An up-to-date target gets only the build tool's routine lines; the first
# line about work to do (a reconfiguration, a compilation, a link) is the
# cue to say that the program is being built.
cmake --build --preset "$preset" --target "$target" -j "$jobs" 2>&1 \
  | awk -v log_file="$log" -v target="$target" '
      { print >> log_file }
      !said && /Re-running CMake|Building|Linking/ {
        print "make run: building " target "..." > "/dev/stderr"
        said = 1
      }' \
  || failed building
