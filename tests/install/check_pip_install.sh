#!/usr/bin/env bash
# pip in a fresh venv (with the system's site packages: numpy, setuptools,
# Debian's pybind11 through CMake) installs revareza from a clean copy of
# the source tree (what a clone of it holds, uncommitted changes included)
# with no package index: the module imports with its type stub and knows
# its version as pip does, its metadata is what make install writes, and
# pip uninstall leaves nothing of it in the venv.
#
#   check_pip_install.sh SOURCE_DIR PYTHON METADATA
set -euo pipefail
source=$1
python=$2
metadata=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/source"
if git -C "$source" rev-parse --git-dir > /dev/null 2>&1; then
  (cd "$source" && git ls-files -z --cached --others --exclude-standard \
    | tar --null -T - --ignore-failed-read -cf - 2> /dev/null) | tar -xf - -C "$work/source"
else
  tar -C "$source" --exclude=./build -cf - . | tar -xf - -C "$work/source"
fi

"$python" -m venv --system-site-packages "$work/venv"
pip() {
  env -u PYTHONPATH PIP_DISABLE_PIP_VERSION_CHECK=1 "$work/venv/bin/python" -m pip "$@" > "$work/pip.log" 2>&1 \
    || { cat "$work/pip.log"; exit 1; }
}
pip install --no-build-isolation --no-index --no-cache-dir "$work/source"
(cd "$work" && env -u PYTHONPATH "$work/venv/bin/python" - "$metadata" << 'CHECK'
import email.parser, importlib.metadata, pathlib, sys
import revareza
assert revareza.__file__.startswith(sys.prefix), revareza.__file__
assert pathlib.Path(revareza.__file__).with_name("__init__.pyi").is_file(), "no type stub"
assert importlib.metadata.version("revareza") == revareza.__version__
installed = importlib.metadata.metadata("revareza")
with open(sys.argv[1]) as file:
    written = email.parser.Parser().parse(file)
for field in set(written.keys()) - {"Metadata-Version"}:
    assert installed.get_all(field) == written.get_all(field), (field, installed.get_all(field))
print("pip installed revareza", revareza.__version__, "at", revareza.__file__)
CHECK
)
pip uninstall -y revareza
left=$(find "$work/venv" -ipath '*revareza*')
[ -z "$left" ] || { echo "pip uninstall left behind:"; echo "$left"; exit 1; }
echo "pip uninstall left nothing"
