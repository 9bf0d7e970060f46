#!/usr/bin/env bash
# make serve on a tree make web has built: the address is the first line
# it writes, and it serves the page; with a page file to build again, one
# line says so before the address, and no make or build messages appear.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
server=""
cleanup() {
  [ -z "$server" ] || kill -- "-$server" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

serve() { # name, most lines before and with the address
  # A session of its own, so that make and the server it started end together.
  (cd "$top" && exec setsid make serve PORT=0) > "$work/$1" 2>&1 < /dev/null &
  server=$!
  local address=""
  for _ in $(seq 1200); do # up to 10 minutes for a build on a loaded machine
    address=$(grep -o 'http://127\.0\.0\.1:[0-9]*/' "$work/$1" || true)
    [ -n "$address" ] && break
    kill -0 "$server" 2> /dev/null || break
    sleep 0.5
  done
  [ -n "$address" ] || { echo "make serve ($1) gave no address:"; cat "$work/$1"; exit 1; }
  local lines
  lines=$(grep -n 'http://127\.0\.0\.1:' "$work/$1" | head -1 | cut -d: -f1)
  if [ "$lines" -gt "$2" ] || grep -q 'Entering directory\|Built target\|cmake' "$work/$1"; then
    echo "make serve ($1) wrote $lines lines up to its address, at most $2 expected:"
    cat "$work/$1"
    exit 1
  fi
  /usr/bin/python3 -c 'import sys, urllib.request; sys.exit(urllib.request.urlopen(sys.argv[1]).status != 200)' \
    "${address}index.html"
  kill -- "-$server"
  wait "$server" 2> /dev/null || true
  server=""
  echo "make serve ($1): $lines line(s) up to $address, which serves the page"
}

serve built 1
rm "$top/build/web/index.html"
serve rebuilding 2
