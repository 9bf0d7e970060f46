#!/usr/bin/env bash
# The consumer program built with plain g++ and the flags pkg-config gives
# for the install tree (pkg-config has no CMake form to drive it): it
# prints what it is expected to.
#
#   check_pkg_config_consumer.sh PREFIX SOURCE_DIR
set -euo pipefail
prefix=$1
projects=$2/tests/install
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs revareza)
# shellcheck disable=SC2086 # the flags are words
g++ -o "$work/consumer" "$projects/consumer/main.cpp" $flags
"$work/consumer" | cmp - "$projects/consumer/expected_output.txt"
echo "pkg-config and g++ ($flags): ok"
