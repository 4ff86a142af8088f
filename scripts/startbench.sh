#!/bin/sh
# Starts the learner under a virtual display several times and prints the
# median milliseconds from its start until its window shows (is mapped).
# Usage: scripts/startbench.sh [runs] [learner program]
# (by default 9 runs of build/learner/learner; build first with scripts/build.sh)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
learner=${2:-$root/build/learner/learner}
[ -x "$learner" ] || { echo "no learner at $learner: build first" >&2; exit 1; }

if [ -z "${STARTBENCH_DISPLAY:-}" ]; then
    STARTBENCH_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$runs" "$learner"
fi

now() { date +%s%N; }
times=""
for run in $(seq "$runs"); do
    start=$(now)
    "$learner" >/dev/null 2>&1 &
    pid=$!
    until xwininfo -name "Zembrix Rozo" 2>/dev/null | grep -q IsViewable; do
        kill -0 "$pid" 2>/dev/null || { echo "the learner ended before its window showed" >&2; exit 1; }
    done
    shown=$(now)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    ms=$(( (shown - start) / 1000000 ))
    echo "run $run: $ms ms"
    times="$times $ms"
done
echo "$times" | tr ' ' '\n' | sed '/^$/d' | sort -n | awk '{t[NR] = $1} END {print "median:", t[int((NR + 1) / 2)], "ms over", NR, "runs"}'
