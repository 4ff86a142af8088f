#!/bin/sh
# Installs what is missing, builds, and runs every test through ctest.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure -j "$(nproc)" "$@"
