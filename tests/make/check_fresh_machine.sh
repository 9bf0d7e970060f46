#!/usr/bin/env bash
# A newcomer's two commands on a fresh Debian 12 machine: a chroot holding
# only the packages such a machine has (plus any named here), built by
# mmdebstrap from this machine's apt sources, a clone of the commit under
# test in it, then `make test` and a parallel projection through `make run`.
# make test must pass, skipping what needs a missing package and saying so.
#
#   check_fresh_machine.sh [PACKAGE...]   (as root; the packages are extra)
#
# The chroot's tarball is cached for a week under ~/.cache/revareza, keyed by
# its package set and the apt sources: each run unpacks a fresh copy, so no
# run sees what another did.
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
packages=(cmake g++ make git googletest python3-dev time clang dpkg-dev "$@")
suite=bookworm
sources=/etc/apt/sources.list.d/debian.sources
[ -f "$sources" ] || sources=/etc/apt/sources.list

if ! command -v mmdebstrap > /dev/null; then
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends mmdebstrap
fi

cache=${XDG_CACHE_HOME:-$HOME/.cache}/revareza
key=$( { echo "$suite ${packages[*]}"; cat "$sources"; } | sha256sum | cut -c1-16)
tarball=$cache/fresh-machine-$key.tar
mkdir -p "$cache"
if [ -z "$(find "$tarball" -mtime -7 2> /dev/null)" ]; then
  rm -rf "$cache/partial.tar"
  # mmdebstrap reads sources from standard input when it is not a terminal
  # and no mirror is named: name the file, and give it no input.
  mmdebstrap --quiet --variant=apt --format=tar --include="$(IFS=,; echo "${packages[*]}")" \
    "$suite" "$cache/partial.tar" "$sources" < /dev/null
  mv "$cache/partial.tar" "$tarball"
fi

work=$(mktemp -d)
root=$work/root
cleanup() {
  umount -R "$root/dev" "$root/proc" 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
mkdir "$root"
tar -C "$root" -xf "$tarball"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t proc proc "$root/proc"
git clone -q "$top" "$root/root/revareza"

echo "fresh machine: ${packages[*]}; commit $(git -C "$top" rev-parse --short HEAD)"
in_chroot() {
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c "cd /root/revareza && $1"
}
if ! in_chroot 'make test' > "$work/test.log" 2>&1; then
  tail -n 60 "$work/test.log"
  echo "make test failed on the fresh machine"
  exit 1
fi
grep -E '^(100% tests passed|Skipped )' "$work/test.log"

dialogue='1\n1 2 3\n0 0 0\n1 0 0\n0 1 0\n0 0 1\n0\n'
in_chroot "printf '$dialogue' | make run" > "$work/run.out" 2> "$work/run.err" || {
  cat "$work/run.err"
  echo "make run failed on the fresh machine"
  exit 1
}
result="O resultado da revareza e': (1.00000,2.00000)"
grep -qxF "$result" "$work/run.out" || {
  cat "$work/run.out"
  echo "make run did not print: $result"
  exit 1
}
echo "make run: $result"
