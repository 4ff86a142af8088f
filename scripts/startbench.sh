#!/bin/sh
# Starts a bare Qt window (one label), the learner and the bookmaker under one
# virtual display of 1440x900, interleaved, and prints for each the median
# milliseconds from its start until the X server maps its first window and its
# median peak memory (VmHWM) at that moment, and each program's ratios to the
# bare window. The map is taken from the server's MapNotify event by firstmap,
# which waits on it without polling.
# Usage: scripts/startbench.sh [runs] [learner|bookmaker|both]
# (by default 9 rounds of both; build first with scripts/build.sh)
# LEARNER, BOOKMAKER and BAREWINDOW name other programs.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
which=${2:-both}
case "$which" in
    learner|bookmaker) programs=$which ;;
    both) programs="learner bookmaker" ;;
    *) echo "no such program: $which (learner, bookmaker or both)" >&2; exit 1 ;;
esac
bench=$root/build/common/widgets/bench
firstmap=$bench/firstmap
bare=${BAREWINDOW:-$bench/barewindow}
learner=${LEARNER:-$root/build/learner/learner}
bookmaker=${BOOKMAKER:-$root/build/bookmaker/bookmaker}
for p in "$firstmap" "$bare" $(for name in $programs; do eval echo "\$$name"; done); do
    [ -x "$p" ] || { echo "no program at $p: build first" >&2; exit 1; }
done

if [ -z "${STARTBENCH_DISPLAY:-}" ]; then
    STARTBENCH_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1440x900x24" "$0" "$runs" "$which"
fi

unset QT_XCB_GL_INTEGRATION
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# measure NAME PROGRAM: one start, tried again (up to 5 times) when it fails;
# appends "ms kB" to $work/NAME. The program runs from its own folder.
measure() {
    for attempt in 1 2 3 4 5; do
        if (cd "$(dirname "$2")" && "$firstmap" "$2") >>"$work/$1" 2>"$work/err"; then
            return 0
        fi
        echo "$1: $(grep -v XDG_RUNTIME_DIR "$work/err" | tail -n 1); trying again" >&2
    done
    echo "$1: gave up on this round after 5 failed starts" >&2
}

for run in $(seq "$runs"); do
    measure bare "$bare"
    for name in $programs; do
        eval measure "$name" "\"\$$name\""
    done
    echo "round $run done" >&2
done

# median FILE COLUMN
median() {
    cut -d ' ' -f "$2" "$1" | sort -n | awk '{t[NR] = $1} END {print t[int((NR + 1) / 2)]}'
}
report() {
    [ -s "$work/$1" ] || { echo "$1: no start succeeded"; return; }
    printf '%-12s %7s ms  peak %6s kB  (%s runs)\n' "$1" "$(median "$work/$1" 1)" "$(median "$work/$1" 2)" \
        "$(wc -l <"$work/$1")"
}
echo "first window mapped, medians (1440x900):"
report bare
for name in $programs; do
    report "$name"
done
[ -s "$work/bare" ] || exit 0
for name in $programs; do
    [ -s "$work/$name" ] || continue
    awk -v w="$name" -v pt="$(median "$work/$name" 1)" -v bt="$(median "$work/bare" 1)" \
        -v pm="$(median "$work/$name" 2)" -v bm="$(median "$work/bare" 2)" \
        'BEGIN {printf "%s / bare window: time %.1fx, peak memory %.1fx\n", w, pt / bt, pm / bm}'
done
