#!/usr/bin/env bash
# The last line of make test: which tests were skipped for want of which
# Debian packages (or other steps, such as npm ci in web/), and what
# installs them.
#   skipped_summary.sh RECORD_DIR
set -eu
[ -d "$1" ] && [ -n "$(ls -A "$1")" ] || exit 0
tests=()
needed=()
for record in "$1"/*; do
  mapfile -t items < "$record"
  tests+=("$(basename "$record") ($(printf '%s, ' "${items[@]}" | sed 's/, $//'))")
  needed+=("${items[@]}")
done
mapfile -t needed < <(printf '%s\n' "${needed[@]}" | sort -u)
packages=()
steps=()
for item in "${needed[@]}"; do
  case $item in
    *" "*) steps+=("$item") ;;
    *) packages+=("$item") ;;
  esac
done
how=()
[ ${#packages[@]} -eq 0 ] || how+=("apt-get install ${packages[*]}")
how+=("${steps[@]}")
echo "Skipped ${#tests[@]} tests for want of Debian packages or steps: $(printf '%s, ' "${tests[@]}" | sed 's/, $//'); make deps does them all ($(printf '%s; ' "${how[@]}" | sed 's/; $//'))"
