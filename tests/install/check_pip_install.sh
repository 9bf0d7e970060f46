#!/usr/bin/env bash
# The README's pip command, read from the README itself, run in a clean copy
# of the source tree (what a clone of it holds, uncommitted changes
# included) with no package index, no find-links and no pip configuration:
# the venv it makes (with the system's site packages: numpy, wheel,
# Debian's pybind11 through CMake) gets revareza, whose module imports with
# its type stub and knows its version as pip does; its metadata is what
# make install writes, and pip uninstall leaves nothing of it in the venv.
#
#   check_pip_install.sh SOURCE_DIR METADATA
set -euo pipefail
source=$1
metadata=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/source"
if git -C "$source" rev-parse --git-dir > /dev/null 2>&1; then
  (cd "$source" && git ls-files -z --cached --others --exclude-standard \
    | tar --null -T - --ignore-failed-read -cf - 2> /dev/null) | tar -xf - -C "$work/source"
else
  tar -C "$source" --exclude=./build -cf - . | tar -xf - -C "$work/source"
fi

# The one line of the first block after "## From Python" that makes a venv.
command=$(awk '/^## /{ section = $0 } section == "## From Python" && /^```/{ fence++; next }
               fence == 1 && /-m venv/' "$source/README.md")
[ -n "$command" ] && [ "$(printf '%s\n' "$command" | wc -l)" = 1 ] \
  || { echo "README.md: no single venv command in the first block of \"## From Python\": $command"; exit 1; }
echo "README: $command"
# An index that cannot be reached, in case the command asks for one anyway.
(cd "$work/source" && env -u PYTHONPATH -u PIP_FIND_LINKS PIP_CONFIG_FILE=/dev/null PIP_NO_INDEX=1 \
   PIP_INDEX_URL=http://127.0.0.1:9/simple PIP_NO_CACHE_DIR=1 PIP_DISABLE_PIP_VERSION_CHECK=1 \
   bash -c "$command" > "$work/pip.log" 2>&1) || { cat "$work/pip.log"; exit 1; }
venv=$work/source/venv
pip() {
  env -u PYTHONPATH PIP_DISABLE_PIP_VERSION_CHECK=1 "$venv/bin/python" -m pip "$@" > "$work/pip.log" 2>&1 \
    || { cat "$work/pip.log"; exit 1; }
}
(cd "$work" && env -u PYTHONPATH "$venv/bin/python" - "$metadata" << 'CHECK'
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
left=$(find "$venv" -ipath '*revareza*')
[ -z "$left" ] || { echo "pip uninstall left behind:"; echo "$left"; exit 1; }
echo "pip uninstall left nothing"
