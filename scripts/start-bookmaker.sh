#!/bin/sh
# Installs what is missing, builds the bookmaker alone and starts it from its build folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" bookmaker
cd "$root/build/bookmaker"
exec ./bookmaker "$@"
