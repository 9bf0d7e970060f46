#!/usr/bin/env bash
# Checks the packages CPack made: the Debian package holds the program and
# its manual and installs with dpkg (into a scratch root, so the machine is
# left alone), and the installed program runs; the tarball holds the same.
#
#   check_package.sh PACKAGE_DIR
set -euo pipefail
dir=$1
deb=$(ls "$dir"/revareza_*.deb)
tarball=$(ls "$dir"/revareza-*.tar.gz)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

dpkg-deb --contents "$deb" > "$work/contents"
for file in ./usr/bin/revareza ./usr/share/man/man1/revareza.1; do
  grep -q " $file\$" "$work/contents" || { echo "$deb lacks $file"; cat "$work/contents"; exit 1; }
done

# A dpkg database of its own; the dependencies (libc, libstdc++) are the
# machine's, which the scratch root does not list.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-depends --force-not-root -i "$deb" > "$work/dpkg.log" 2>&1
dpkg --root="$root" -s revareza | grep -q '^Status: install ok installed'
printf '2 0 0 5 1 0 0 0 1 0 0 0 0 0' | "$root/usr/bin/revareza" --matrizes | grep -q '0.20000'
man -l "$root/usr/share/man/man1/revareza.1" 2>/dev/null | grep -q 'ESTADO DE SAIDA'

tar -tzf "$tarball" > "$work/tar"
grep -q '/bin/revareza$' "$work/tar" && grep -q '/share/man/man1/revareza.1$' "$work/tar" \
  || { echo "$tarball lacks the program or its manual"; exit 1; }

echo "$(basename "$deb"): $(grep -c . "$work/contents") entries, installs with dpkg; $(basename "$tarball") ok"
