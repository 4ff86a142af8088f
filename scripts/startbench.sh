#!/bin/sh
# Starts a program and a bare Qt window (one label) under one virtual display,
# interleaved, and prints for each the median milliseconds from its start until
# its window shows (is mapped), its median peak memory (max RSS), and the ratio
# of the program's time to the bare window's with OpenGL off (both programs
# draw without OpenGL). The bare window is also timed with OpenGL on.
# Usage: scripts/startbench.sh [runs] [learner|bookmaker] [program]
# (by default 9 runs of build/learner/learner; build first with scripts/build.sh)
# BAREWINDOW names another bare window program.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-9}
which=${2:-learner}
case "$which" in
    learner) program=${3:-$root/build/learner/learner}; title="Zembrix Rozo" ;;
    bookmaker) program=${3:-$root/build/bookmaker/bookmaker}; title="Zembrix Rozo（教材工具）" ;;
    *) echo "no such program: $which (learner or bookmaker)" >&2; exit 1 ;;
esac
bare=${BAREWINDOW:-$root/build/common/widgets/bench/barewindow}
for p in "$program" "$bare"; do
    [ -x "$p" ] || { echo "no program at $p: build first" >&2; exit 1; }
done

if [ -z "${STARTBENCH_DISPLAY:-}" ]; then
    STARTBENCH_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$runs" "$which" "$program"
fi

unset QT_XCB_GL_INTEGRATION
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
now() { date +%s%N; }

# startonce NAME TITLE GL PROGRAM: one start, with QT_XCB_GL_INTEGRATION=GL
# unless GL is empty (the program chooses); appends "ms kB" to $work/NAME.
# Returns 2 when the X server refused the connection, 1 on another failure.
startonce() {
    start=$(now)
    env ${3:+QT_XCB_GL_INTEGRATION=$3} /usr/bin/time -f %M -o "$work/rss" "$4" >/dev/null 2>"$work/err" &
    timer=$!
    until xwininfo -name "$2" 2>/dev/null | grep -q IsViewable; do
        if ! kill -0 "$timer" 2>/dev/null; then
            wait "$timer" 2>/dev/null || true
            grep -q "could not connect to display" "$work/err" && return 2
            return 1
        fi
    done
    shown=$(now)
    child=$(ps -o pid= --ppid "$timer" | tr -d ' ')
    [ -n "$child" ] && kill "$child"
    wait "$timer" 2>/dev/null || true
    echo "$(( (shown - start) / 1000000 )) $(tail -n 1 "$work/rss")" >>"$work/$1"
}

# measure NAME TITLE GL PROGRAM: one start, tried again (up to 5 times) when it fails.
measure() {
    for attempt in 1 2 3 4 5; do
        status=0
        startonce "$@" || status=$?
        case $status in
            0) return 0 ;;
            2) echo "$1: the X server refused the connection (could not connect to display); trying again" >&2 ;;
            *) echo "$1: ended before its window showed ($(tail -n 1 "$work/err")); trying again" >&2 ;;
        esac
    done
    echo "$1: gave up on this round after 5 failed starts" >&2
}

for run in $(seq "$runs"); do
    measure bare "barewindow" none "$bare"
    measure baregl "barewindow" xcb_glx "$bare"
    measure "$which" "$title" "" "$program"
    echo "round $run done" >&2
done

# median FILE COLUMN
median() {
    cut -d ' ' -f "$2" "$1" | sort -n | awk '{t[NR] = $1} END {print t[int((NR + 1) / 2)]}'
}
report() {
    [ -s "$work/$1" ] || { echo "$2: no start succeeded"; return; }
    printf '%-28s %5s ms  max RSS %6s kB  (%s runs)\n' "$2" "$(median "$work/$1" 1)" "$(median "$work/$1" 2)" "$(wc -l <"$work/$1")"
}
report bare "bare window (OpenGL off)"
report baregl "bare window (OpenGL on)"
report "$which" "$which"
if [ -s "$work/bare" ] && [ -s "$work/$which" ]; then
    awk -v p="$(median "$work/$which" 1)" -v b="$(median "$work/bare" 1)" -v w="$which" \
        'BEGIN {printf "ratio %s / bare window (OpenGL off): %.1fx\n", w, p / (b > 0 ? b : 1)}'
fi
