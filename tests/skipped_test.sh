#!/usr/bin/env bash
# Stands in for a test this machine cannot run: names the Debian packages it
# needs, and any other step that brings what it needs (a word with a space,
# such as "npm ci in web/"), records them for the summary at the end of make
# test, and exits 77, which CTest reports as skipped.
#   skipped_test.sh RECORD_DIR TEST_NAME PACKAGE_OR_STEP...
set -eu
record=$1
name=$2
shift 2
packages=()
steps=()
for item in "$@"; do
  case $item in
    *" "*) steps+=("$item") ;;
    *) packages+=("$item") ;;
  esac
done
needs=()
[ ${#packages[@]} -eq 0 ] || needs+=("the Debian package(s) ${packages[*]}")
[ ${#steps[@]} -eq 0 ] || needs+=("$(printf '%s, ' "${steps[@]}" | sed 's/, $//')")
echo "skipped: $name needs $(printf '%s and ' "${needs[@]}" | sed 's/ and $//') (make deps does every one)"
mkdir -p "$record"
printf '%s\n' "$@" > "$record/$name"
exit 77
