#!/usr/bin/env bash
# Installs a build into a fresh prefix, checks what is there, and builds and
# runs programs of someone else's against revareza in every way a project
# takes it in: find_package with components (and an unknown component that
# fails with its name), a shared library with the static libraries linked
# in, and the source tree itself through add_subdirectory and FetchContent
# beside a target named geometry. With pkg-config as WAY, only pkg-config
# with plain g++ (a test of its own: pkg-config may be missing).
#
#   check_install.sh BUILD_DIR SOURCE_DIR [pkg-config]
set -euo pipefail
build=$1
source=$2
way=${3:-cmake}
projects=$source/tests/install
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" > "$work/install.log"
for file in bin/revareza share/man/man1/revareza.1.gz include/revareza/revareza.hpp \
            include/revareza/version.hpp include/revareza/geometry/hvector.hpp \
            include/revareza/geometry/matrix4.hpp include/revareza/geometry/rounded_math.hpp \
            include/revareza/projection/orthogonal_y.hpp \
            include/revareza/projection/parallel_projection.hpp \
            include/revareza/projection/perspective_projection.hpp \
            include/revareza/projection/projection_steps.hpp include/revareza/projection/tolerances.hpp \
            include/revareza/text/number_input.hpp \
            include/revareza/text/number_output.hpp \
            include/revareza/definition/definition.hpp include/revareza/definition/messages.hpp \
            include/revareza/definition/text_fields.hpp include/revareza/definition/matrix_forms.hpp \
            lib/cmake/revareza/revarezaConfig.cmake lib/pkgconfig/revareza.pc; do
  [ -e "$prefix/$file" ] || { echo "missing from the install tree: $file"; exit 1; }
done
ls "$prefix"/lib*/librevareza_{geometry,projection,text,definition}.a > /dev/null
# Only the library's public headers: the internal ones stay in the tree.
[ "$(find "$prefix/include" -type f | wc -l)" = 16 ] || { find "$prefix/include" -type f; exit 1; }

expected='   1.00000    0.00000    0.00000    0.00000 
   0.00000    1.00000    0.00000    0.00000 
   0.00000    0.00000    1.00000    0.00000 
   0.00000    0.00000    0.20000    0.00000 
|
(0.50000,1.00000,5.00000)'"
A direcao passada e' paralela ao plano de revareza e nunca o atravessa."

expect() { # what, expected output, command...
  local actual
  actual=$("${@:3}")
  if [ "$actual" != "$2" ]; then
    echo "$1: the program printed"
    echo "$actual"
    exit 1
  fi
  echo "$1: ok"
}

build_project() { # name, source directory, cmake arguments...
  if ! { cmake -S "$2" -B "$work/$1" "${@:3}" && cmake --build "$work/$1"; } > "$work/$1.log" 2>&1; then
    echo "$1: the build failed"
    cat "$work/$1.log"
    exit 1
  fi
}

if [ "$way" = pkg-config ]; then
  flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs revareza)
  # shellcheck disable=SC2086 # the flags are words
  g++ -o "$work/pkg_config_consumer" "$projects/consumer/main.cpp" $flags
  expect "pkg-config and g++ ($flags)" "$expected" "$work/pkg_config_consumer"
  exit 0
fi

# The installed program works from where it was installed.
echo '0' | "$prefix/bin/revareza" --matrizes

# The Python module, when it was built, imports from the prefix's site
# directory with the Python it was built for.
if [ -d "$build/python/revareza" ]; then
  init=$(find "$prefix" -path '*/revareza/__init__.py')
  [ -n "$init" ] || { echo "the Python module is not in the install tree"; exit 1; }
  PYTHONPATH=$(dirname "$(dirname "$init")") /usr/bin/python3 -c \
    'import revareza; print(revareza.project(revareza.perspective_projection([0, 0, 5], [1, 0, 0], [0, 1, 0], [0, 0, 0]), [[1, 2, 10]]))' \
    > "$work/python.out"
  [ "$(cat "$work/python.out")" = "[[0.5 1. ]]" ] || { echo "the installed Python module printed:"; cat "$work/python.out"; exit 1; }
  echo "Python module from ${init#"$prefix"/}: ok"
fi

build_project find_package "$projects/find_package" -DCMAKE_PREFIX_PATH="$prefix"
expect "find_package with components" "$expected" "$work/find_package/consumer"

mkdir "$work/unknown_source"
cat > "$work/unknown_source/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(unknown_component LANGUAGES CXX)
find_package(revareza 1.0 REQUIRED COMPONENTS projection shapes)
CMAKE
if cmake -S "$work/unknown_source" -B "$work/unknown" -DCMAKE_PREFIX_PATH="$prefix" > "$work/unknown.log" 2>&1; then
  echo "find_package accepted the unknown component shapes"
  exit 1
fi
grep -q 'revareza has no component "shapes"' "$work/unknown.log" \
  || { echo "find_package failed without naming the unknown component:"; cat "$work/unknown.log"; exit 1; }
echo "unknown component: fails and names it"

build_project shared_library "$projects/shared_library" -DCMAKE_PREFIX_PATH="$prefix"
expect "static libraries in a shared library" "(0.50000,1.00000)" "$work/shared_library/viewer"

build_project subdirectory "$projects/subdirectory" -DREVAREZA_SOURCE_DIR="$source"
expect "add_subdirectory beside a target named geometry" "$expected" "$work/subdirectory/consumer"

build_project fetchcontent "$projects/subdirectory" -DREVAREZA_SOURCE_DIR="$source" -DVIA_FETCHCONTENT=ON
ldd "$work/fetchcontent/consumer" > "$work/fetchcontent.ldd"
grep -q 'librevareza_projection\.so' "$work/fetchcontent.ldd" \
  || { echo "FetchContent with BUILD_SHARED_LIBS did not give shared libraries"; exit 1; }
expect "FetchContent, shared libraries" "$expected" "$work/fetchcontent/consumer"
