#!/bin/sh
# Builds the drawing program and redraws every picture in resources/.
# Usage: draw.sh [build folder]   (default: build/ at the project root)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target artgen -j "$(nproc)"
QT_QPA_PLATFORM=offscreen "$build/resources/artgen/artgen" "$root/resources"
