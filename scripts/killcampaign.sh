#!/bin/bash
# Kills the bookmaker window (SIGKILL) while it generates a textbook of 20,000
# words, 5,000 sentences and 200 lessons and while it saves that project, then
# starts it again on the same folder and counts what each kill left behind:
# torn textbooks (a file the reader refuses, or one of the two without the
# other after the next start), folders locked against editing without a whole
# textbook, projects lost, and unfinished save files after the next start and
# save. The kills are spread evenly over the measured duration of each step.
# Usage: scripts/killcampaign.sh [generation kills] [save kills]
# (300 and 150 by default; build the killdriver target first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
generations=${1:-300}
saves=${2:-150}
driver=${KILLDRIVER:-$root/build/bookmaker/content/bench/killdriver}
[ -x "$driver" ] || { echo "no program at $driver: build the killdriver target first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
material=$work/material
"$driver" setup "$material" >/dev/null
cp "$material/book.pro" "$work/book.pro"

# The folder as the setup left it: the project, no textbook, nothing else.
reset() {
    rm -f "$material"/*.zemBook* "$material"/book.pro?* "$material"/.qt_temp*
    cp "$work/book.pro" "$material/book.pro"
}

# median STEP: median milliseconds of five unkilled runs of the step.
median() {
    for _ in 1 2 3 4 5; do
        reset
        "$driver" "$1" "$material" 2>/dev/null | sed -n 's/^done //p'
    done | sort -n | sed -n 3p
}

# killed STEP MICROSECONDS: runs the step, kills it that long after it
# printed "ready", and prints "killed" or "finished".
killed() {
    coproc step { exec "$driver" "$1" "$material" 2>/dev/null; }
    local pid=$step_PID
    read -r -u "${step[0]}" _
    sleep "$(printf '0.%06d' "$2")"
    if kill -KILL "$pid" 2>/dev/null; then
        echo killed
    else
        echo finished
    fi
    wait "$pid" 2>/dev/null || true
}

# campaign STEP KILLS: prints the step's figures.
campaign() {
    local ms=$(median "$1") kills=0 finished=0 torn=0 locked=0 lost=0 left=0 findings=$work/$1.txt
    : >"$findings"
    for ((i = 0; i < $2; i++)); do
        reset
        local delay=$((i * ms * 1000 / $2))
        [ "$(killed "$1" "$delay")" = killed ] && kills=$((kills + 1)) || finished=$((finished + 1))
        local line
        line=$("$driver" check "$material" 2>/dev/null || true)
        case "$line" in *torn=1*) torn=$((torn + 1)) ;; esac
        case "$line" in *locked=1*) locked=$((locked + 1)) ;; esac
        case "$line" in *project=lost*) lost=$((lost + 1)) ;; esac
        case "$line" in *leftovers=0*) ;; *) left=$((left + 1)) ;; esac
        case "$line" in *torn=1* | *locked=1* | *project=lost* | *leftovers=[1-9]*) echo "$delay us: $line" >>"$findings" ;; esac
    done
    echo "$1: $2 runs over ${ms} ms, $kills killed, $finished finished first;" \
        "torn $torn, locked $locked, projects lost $lost, leftovers $left"
    sed 's/^/    /' "$findings"
}

campaign generate "$generations"
campaign save "$saves"
