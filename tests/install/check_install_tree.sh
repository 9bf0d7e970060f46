#!/usr/bin/env bash
# Installs a build into a prefix of its own, the tree the consumer projects
# are built against (a CTest fixture), and checks it: the files each piece
# puts there, exactly the library's public headers, the program working
# from where it was installed, and the Python module importing from the
# prefix when it was built.
#
#   check_install_tree.sh BUILD_DIR SOURCE_DIR PREFIX
set -euo pipefail
build=$1
source=$2
prefix=$3
rm -rf "$prefix"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$prefix" > "$work/install.log"
for file in bin/revareza share/man/man1/revareza.1.gz lib/cmake/revareza/revarezaConfig.cmake \
            lib/pkgconfig/revareza.pc; do
  [ -e "$prefix/$file" ] || { echo "missing from the install tree: $file"; exit 1; }
done
ls "$prefix"/lib*/librevareza_{geometry,projection,text,definition}.a > /dev/null
# Exactly the library's public headers, every one: the source tree's
# headers outside detail/, and the generated version header.
installed=$(cd "$prefix/include" && find revareza -type f | sort)
public=$( (cd "$source" && find revareza -name '*.hpp' -not -path '*/detail/*'; echo revareza/version.hpp) | sort)
[ "$installed" = "$public" ] || { diff <(echo "$public") <(echo "$installed"); exit 1; }

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

echo "install tree in $prefix: ok"
