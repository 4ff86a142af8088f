#!/bin/sh
# Builds into build/: the targets named, else everything. Configures only a
# build/ that has no configuration yet; after that the build step itself
# configures again when a CMake file has changed.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$root/build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
if [ "$#" -gt 0 ]; then
    cmake --build "$root/build" -j "$(nproc)" --target "$@"
else
    cmake --build "$root/build" -j "$(nproc)"
fi
