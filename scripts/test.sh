#!/bin/sh
# Installs what is missing, builds, and runs every test through ctest. Where
# clang is installed the tree is also built with it into build-clang/, under
# the same warnings-as-errors; its tests are not run a second time.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if command -v clang++ >/dev/null 2>&1; then
    BUILD=build-clang CXX=clang++ "$root/scripts/build.sh"
fi
cd "$root/build"
ctest --output-on-failure -j "$(nproc)" "$@"
