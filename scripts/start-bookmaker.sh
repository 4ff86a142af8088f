#!/bin/sh
# Installs what is missing, builds, and starts the bookmaker from its build folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build/bookmaker"
exec ./bookmaker "$@"
