#!/usr/bin/env bash
# Stands in for a test this machine cannot run: names the Debian packages it
# needs (or the step that brings something else, a phrase such as "npm ci in
# web/"), records them for the summary at the end of make test, and exits
# 77, which CTest reports as skipped.
#   skipped_test.sh RECORD_DIR TEST_NAME PACKAGE_OR_STEP...
set -eu
record=$1
name=$2
shift 2
echo "skipped: $name needs $(printf '%s, ' "$@" | sed 's/, $//') (make deps brings every one)"
mkdir -p "$record"
printf '%s\n' "$@" > "$record/$name"
exit 77
