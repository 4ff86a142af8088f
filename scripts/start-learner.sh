#!/bin/sh
# Installs what is missing, builds the learner alone and starts it from its build folder.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" learner
cd "$root/build/learner"
exec ./learner "$@"
