#!/usr/bin/env bash
# Stands in for a test this machine cannot run: names the Debian packages it
# needs, records them for the summary at the end of make test, and exits 77,
# which CTest reports as skipped.
#   skipped_test.sh RECORD_DIR TEST_NAME PACKAGE...
set -eu
record=$1
name=$2
shift 2
echo "skipped: $name needs the Debian package(s) $* (make deps installs every one)"
mkdir -p "$record"
echo "$*" > "$record/$name"
exit 77
