#!/usr/bin/env bash
# The last line of make test: which tests were skipped for want of which
# Debian packages, and the command that installs them.
#   skipped_summary.sh RECORD_DIR
set -eu
[ -d "$1" ] && [ -n "$(ls -A "$1")" ] || exit 0
tests=()
packages=()
for record in "$1"/*; do
  read -r -a needed < "$record"
  tests+=("$(basename "$record") (${needed[*]})")
  packages+=("${needed[@]}")
done
mapfile -t packages < <(printf '%s\n' "${packages[@]}" | sort -u)
echo "Skipped ${#tests[@]} tests for want of Debian packages: $(printf '%s, ' "${tests[@]}" | sed 's/, $//'); make deps installs them all (apt-get install ${packages[*]})"
