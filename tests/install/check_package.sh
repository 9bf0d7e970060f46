#!/usr/bin/env bash
# Checks the packages CPack made: revareza holds the program, its manual,
# copyright and changelog; librevareza-dev the headers, static libraries and
# CMake and pkg-config files; python3-revareza, when the module was built,
# the Python package. All install with dpkg into a scratch root (the
# machine is left alone), where the program runs, its manual reads, and a
# program of someone else's builds with the installed library. The tarball
# holds the program and its manual too.
#
#   check_package.sh PACKAGE_DIR
set -euo pipefail
dir=$1
program_deb=$(ls "$dir"/revareza_*.deb)
dev_deb=$(ls "$dir"/librevareza-dev_*.deb)
tarball=$(ls "$dir"/revareza-*.tar.gz)
source=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

holds() { # deb, pattern (an extended regular expression for a whole path)...
  local deb=$1
  shift
  dpkg-deb --contents "$deb" | awk '{ print $NF }' > "$work/contents"
  for pattern in "$@"; do
    grep -qE "^\\.${pattern}\$" "$work/contents" \
      || { echo "$(basename "$deb") lacks $pattern"; cat "$work/contents"; exit 1; }
  done
}
holds "$program_deb" /usr/bin/revareza /usr/share/man/man1/revareza.1.gz \
  /usr/share/doc/revareza/copyright /usr/share/doc/revareza/changelog.gz
holds "$dev_deb" /usr/include/revareza/revareza.hpp /usr/include/revareza/version.hpp \
  '/usr/lib/[^/]+/librevareza_geometry.a' '/usr/lib/[^/]+/librevareza_projection.a' \
  '/usr/lib/[^/]+/cmake/revareza/revarezaConfig.cmake' '/usr/lib/[^/]+/pkgconfig/revareza.pc' \
  /usr/share/doc/librevareza-dev/copyright /usr/share/doc/librevareza-dev/changelog.gz
python_deb=$(ls "$dir"/python3-revareza_*.deb 2>/dev/null || true)
if [ -n "$python_deb" ]; then
  holds "$python_deb" '/usr/lib/python3/dist-packages/revareza/__init__.py' \
    '/usr/lib/python3/dist-packages/revareza/__init__.pyi' \
    '/usr/lib/python3/dist-packages/revareza/_revareza[^/]*\.so' \
    /usr/share/doc/python3-revareza/copyright /usr/share/doc/python3-revareza/changelog.gz
fi
if dpkg-deb --contents "$program_deb" | grep -q include/; then
  echo "the program's package holds development files"
  exit 1
fi

# A dpkg database of its own; the dependencies (libc, libstdc++) are the
# machine's, which the scratch root does not list. Maintainer scripts run
# on the machine, with DPKG_ROOT naming the scratch root.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# shellcheck disable=SC2086 # no Python package is no word
dpkg --root="$root" --force-depends --force-not-root --force-script-chrootless -i "$program_deb" "$dev_deb" $python_deb > "$work/dpkg.log" 2>&1
for package in revareza librevareza-dev ${python_deb:+python3-revareza}; do
  dpkg --root="$root" -s "$package" | grep '^Status: install ok installed' > /dev/null
done
# grep reads to the end where more output follows the match: a grep -q that
# stopped early would kill the writer with SIGPIPE, failing the pipeline.
printf '2 0 0 5 1 0 0 0 1 0 0 0 0 0' | "$root/usr/bin/revareza" --matrizes | grep '0.20000' > /dev/null
# A program built with line editing needs libedit, and its package says so.
readelf -d "$root/usr/bin/revareza" > "$work/dynamic"
if grep -q 'NEEDED.*libedit' "$work/dynamic"; then
  dpkg-deb -f "$program_deb" Depends > "$work/depends"
  grep -q 'libedit2' "$work/depends" || { echo "revareza does not depend on libedit2"; exit 1; }
fi
"$root/usr/bin/revareza" --version | grep '^revareza [0-9]' > /dev/null
man -l "$root/usr/share/man/man1/revareza.1.gz" 2>/dev/null | grep 'ESTADO DE SAIDA' > /dev/null

pc_dir=$(dirname "$(find "$root/usr/lib" -name revareza.pc)")
# shellcheck disable=SC2046 # the flags are words
g++ -o "$work/consumer" "$source/tests/install/consumer/main.cpp" \
  $(PKG_CONFIG_PATH="$pc_dir" pkg-config --cflags --libs revareza)
"$work/consumer" | grep -qx '(0.50000,1.00000,5.00000)'

# python3-revareza: byte-compiled on install; imported (writing byte code
# if it will), it knows its version as pip would; removed, nothing is left.
if [ -n "$python_deb" ]; then
  site=$root/usr/lib/python3/dist-packages
  ls "$site"/revareza/__pycache__/__init__.*.pyc > /dev/null
  env -u PYTHONDONTWRITEBYTECODE PYTHONPATH="$site" /usr/bin/python3 -c \
    'import revareza, importlib.metadata as m; assert m.version("revareza") == revareza.__version__'
  dpkg --root="$root" --force-not-root --force-script-chrootless -P python3-revareza > "$work/dpkg.log" 2>&1 \
    || { cat "$work/dpkg.log"; exit 1; }
  left=$(find "$root/usr" -path '*revareza*' -path '*python3*')
  [ -z "$left" ] || { echo "python3-revareza left behind:"; echo "$left"; exit 1; }
fi

tar -tzf "$tarball" > "$work/tar"
grep -q '/bin/revareza$' "$work/tar" && grep -q '/share/man/man1/revareza.1.gz$' "$work/tar" \
  || { echo "$tarball lacks the program or its manual"; exit 1; }

echo "$(basename "$program_deb") $(basename "$dev_deb") ${python_deb:+$(basename "$python_deb") }install with dpkg and work; $(basename "$tarball") ok"
