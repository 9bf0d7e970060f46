# The version is the one project() in CMakeLists.txt gives.
top=$(dirname "$0")/../../../..
printf 'revareza %s\n' "$(sed -n 's/^  VERSION //p' "$top/CMakeLists.txt")"
