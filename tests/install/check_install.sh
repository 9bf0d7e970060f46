#!/usr/bin/env bash
# Installs a build into a fresh prefix, checks what is there, and builds and
# runs a consumer project against it with find_package(revareza).
#
#   check_install.sh BUILD_DIR CONSUMER_SOURCE_DIR
set -euo pipefail
build=$1
consumer=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" > "$work/install.log"
for file in bin/revareza share/man/man1/revareza.1 include/revareza/geometry/hvector.hpp \
            include/revareza/geometry/matrix4.hpp include/revareza/projection/parallel_projection.hpp \
            include/revareza/projection/perspective_projection.hpp lib/cmake/revareza/revarezaConfig.cmake; do
  [ -e "$work/prefix/$file" ] || { echo "missing from the install tree: $file"; exit 1; }
done
ls "$work/prefix"/lib*/librevareza_geometry.a "$work/prefix"/lib*/librevareza_projection.a > /dev/null

# The installed program works from where it was installed.
echo '0' | "$work/prefix/bin/revareza" --matrizes

cmake -S "$consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$work/prefix" > "$work/consumer.log"
cmake --build "$work/consumer" >> "$work/consumer.log"
expected='   1.00000    0.00000    0.00000    0.00000 
   0.00000    1.00000    0.00000    0.00000 
   0.00000    0.00000    1.00000    0.00000 
   0.00000    0.00000    0.20000    0.00000 
|
(0.50000,1.00000,5.00000)'
actual=$("$work/consumer/consumer")
if [ "$actual" != "$expected" ]; then
  echo "the consumer printed:"
  echo "$actual"
  exit 1
fi
echo "install tree and consumer project: ok"
