#!/bin/sh
# Builds into build/ (or the folder BUILD names): the targets named, else
# everything. Configures only a folder that has no configuration yet, with the
# compiler CXX names if set; after that the build step itself configures again
# when a CMake file has changed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/${BUILD:-build}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if [ "$#" -gt 0 ]; then
    cmake --build "$build" -j "$(nproc)" --target "$@"
else
    cmake --build "$build" -j "$(nproc)"
fi
