#!/usr/bin/env bash
# What make serve does before it serves: the page's npm packages (npm ci in
# web/, when web/package-lock.json is newer than what it installed), the
# WebAssembly build configured once by Debian's emscripten, and the page
# built into build/web, as make web does, but quietly: when there is work
# to do one line on standard error says so, and the steps' own messages go
# to a log, shown whole only if a step fails. On a built tree nothing is
# written, so that the address is the first line.
#
#   build_for_serve.sh BUILD_DIR JOBS
set -uo pipefail
build=$1
jobs=$2
log=$build/make-serve.log
# Debian's emscripten runs node on modules in /usr/share/nodejs.
export NODE_PATH=/usr/share/nodejs

failed() { # step
  echo "make serve: $1 failed; its messages ($log):" >&2
  cat "$log" >&2
  exit 1
}
message="make serve: building the page in build/web..."
said=""
say() {
  [ -n "$said" ] || echo "$message" >&2
  said=1
}

mkdir -p "$build"
: > "$log"
if [ ! web/node_modules/.package-lock.json -nt web/package-lock.json ]; then
  say
  (cd web && npm ci) >> "$log" 2>&1 || failed "npm ci in web/"
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  say
  command -v emcmake > /dev/null || { echo "make serve needs emscripten: make deps" >&2; exit 1; }
  emcmake cmake --preset web >> "$log" 2>&1 || failed configuring
fi
# A built page gets only the build tool's routine lines; any other line (a
# reconfiguration, a compilation, a copy) is the cue to say so.
cmake --build --preset web -j "$jobs" 2>&1 \
  | awk -v log_file="$log" -v said="$said" -v message="$message" '
      { print >> log_file }
      !said && !/^g?make(\[[0-9]+\])?: (Entering|Leaving) directory|^\[ *[0-9]+%\] Built target/ {
        print message > "/dev/stderr"
        said = 1
      }' \
  || failed building
