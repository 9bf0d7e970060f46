#!/usr/bin/env bash
# make install PREFIX=... puts the Python module where the configured Python
# searches under that prefix: for /usr and /usr/local (installed under
# DESTDIR, so that the machine is left alone) a directory on that Python's
# sys.path, and for a venv's own prefix one on the venv's python's, which
# then imports the module without PYTHONPATH. BUILD_DIR is configured for
# each prefix as make install configures build/install.
#
#   check_python_install.sh SOURCE_DIR BUILD_DIR PYTHON
set -euo pipefail
source=$1
build=$2
python=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$python" -m venv --system-site-packages --without-pip "$work/venv"

quietly() { # command...: its output only if it fails
  "$@" > "$work/log" 2>&1 || { cat "$work/log"; exit 1; }
}
configure() { # prefix
  quietly cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DREVAREZA_PYTHON="$python" \
    -DREVAREZA_BUILD_TESTS=OFF -DREVAREZA_BUILD_TOOLS=OFF -DCMAKE_INSTALL_PREFIX="$1"
}

for prefix in /usr /usr/local "$work/venv"; do
  configure "$prefix"
  quietly cmake --build "$build" --target revareza_python -j 2
  rm -rf "$work/root"
  DESTDIR=$work/root quietly cmake --install "$build" --component python
  init=$(cd "$work/root" && find . -path '*/revareza/__init__.py')
  directory=${init#.}
  directory=${directory%/revareza/__init__.py}
  [ -f "$work/root$directory/revareza/__init__.pyi" ] || { echo "$prefix: no type stub beside $init"; exit 1; }
  searcher=$python
  [ "$prefix" != "$work/venv" ] || searcher=$work/venv/bin/python
  "$searcher" -c 'import sys; sys.exit(sys.argv[1] not in sys.path)' "$directory" \
    || { echo "$prefix: the module went to $directory, which $searcher does not search"; exit 1; }
  echo "$prefix: $directory, searched by $searcher"
done

quietly cmake --install "$build" --component python
(cd "$work" && env -u PYTHONPATH "$work/venv/bin/python" -c '
import sys, revareza, importlib.metadata as metadata
assert revareza.__file__.startswith(sys.prefix), revareza.__file__
assert metadata.version("revareza") == revareza.__version__
print("the venv imports", revareza.__file__, revareza.project(revareza.parallel_projection(
    [0, 0, 0], [1, 0, 0], [0, 1, 0], [0, 0, 1]), [1, 2, 3]))')
