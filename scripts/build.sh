#!/bin/sh
# Configures and builds into build/: the targets named, else everything.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "$#" -gt 0 ]; then
    cmake --build "$root/build" -j "$(nproc)" --target "$@"
else
    cmake --build "$root/build" -j "$(nproc)"
fi
