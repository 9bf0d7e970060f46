#!/usr/bin/env bash
# make deps: installs what every check of this project needs, in one
# apt-get install of the Debian packages below that are missing (make deps
# then runs npm ci in web/ for the page's npm packages). As root it
# installs; as another user through sudo when there is one; otherwise it
# prints the command and fails.
set -euo pipefail

packages=(
  # Building, make run and make test on any machine
  cmake g++ make git googletest time
  pkgconf                          # install.pkg_config_consumer
  groff                            # manual.renders_without_warnings
  # library.rounded_math_against_mpfr, make test-math, the math tables' generator
  libmpfr-dev
  clang                            # library.umbrella_header_alone_with_clang++, make fuzz
  # Line editing on terminals, and its test on a tmux pane
  libedit-dev tmux                 # program.terminal_line_editing
  # The Python module and its tests (python.*)
  pybind11-dev python3-dev python3-numpy python3-pytest
  python3-matplotlib               # python.example_cube_figure
  python3-dask python3-zarr        # python.dask_blocks
  python3-distributed              # python.dask_cluster
  mypy                             # python.typing
  # The README's pip install in a venv with no package index
  # (install.pip_venv): venv with ensurepip (pip, setuptools), and wheel
  python3-venv python3-setuptools python3-wheel
  # make package
  dpkg-dev lintian
  # make test-x86-32
  g++-multilib qemu-user
  # make test-sanitize, make fuzz, make fuzz-run
  libclang-rt-14-dev
  # make bench: glm's dmat4 * dvec4 loop beside project_points (header only)
  libglm-dev
  # make web, and the page's tests (web.*): the library in WebAssembly, node
  # for emscripten and the tests, npm for web/'s packages, and the browser
  emscripten nodejs chromium
)

missing=()
for package in "${packages[@]}"; do
  [ "$(dpkg-query -W -f='${Status}' "$package" 2> /dev/null)" = "install ok installed" ] \
    || missing+=("$package")
done
# npm by its command: a node from outside Debian brings its own npm (and
# stands in for Debian's package of that name, which dpkg-query cannot see).
command -v npm > /dev/null || missing+=(npm)

if [ ${#missing[@]} -gt 0 ]; then
  command=(apt-get install -y --no-install-recommends "${missing[@]}")
  if [ "$(id -u)" = 0 ]; then
    sudo=()
  elif command -v sudo > /dev/null; then
    sudo=(sudo)
  else
    echo "make deps needs root to install: apt-get update && ${command[*]}" >&2
    exit 1
  fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" "${command[@]}"
else
  echo "make deps: every Debian package is installed"
fi

