#!/bin/sh
# Builds the preview program and renders the sheets of pictures in use.
# Usage: preview.sh [out folder] [scale] [build folder]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${1:-/tmp}
scale=${2:-1.5}
build=${3:-$root/build}
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target artpreview -j "$(nproc)"
for sheet in parts login review dialogs maker; do
    QT_QPA_PLATFORM=offscreen "$build/resources/artgen/preview/artpreview" "$sheet" "$out/art-$sheet.png" "$scale"
    echo "$out/art-$sheet.png"
done
