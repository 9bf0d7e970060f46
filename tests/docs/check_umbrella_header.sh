#!/usr/bin/env bash
# The umbrella header alone compiles without a warning.
#   check_umbrella_header.sh COMPILER SOURCE_DIR GENERATED_INCLUDE_DIR
set -euo pipefail
echo '#include <revareza/revareza.hpp>' \
  | "$1" -std=c++17 -Wall -Wextra -Werror -pedantic -fsyntax-only -I "$2" -I "$3" -x c++ -
