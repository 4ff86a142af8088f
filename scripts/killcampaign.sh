#!/bin/bash
# Kills the bookmaker window (SIGKILL) while it generates a textbook of 20,000
# words, 5,000 sentences and 200 lessons and while it saves that project, and
# the learner window while it logs a user in and out again and again, then
# starts each again on the same folder and counts what each kill left behind.
# Bookmaker, after the next start: torn textbooks (a file the reader refuses),
# one textbook without the other, folders locked against editing without a
# whole textbook, projects lost, and unfinished save files; apart, the kills
# between the two renames whose generation the next start finished; and
# once, that a lone book.zemBook put in the folder is still there, unchanged,
# after a generation and a start.
# Learner: users locked out at the next login, torn user or settings files,
# and unfinished save files or locks after the next login and logout.
# The kills are spread evenly over the measured duration of each step.
# Exits 1 when anything was found or a step could not run.
# Usage: scripts/killcampaign.sh [generation kills] [save kills] [login kills]
# (300, 150 and 300 by default; build the killdriver and learnerdriver targets first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
generations=${1:-300}
saves=${2:-150}
logins=${3:-300}
bookmaker=${KILLDRIVER:-$root/build/bookmaker/content/bench/killdriver}
learner=${LEARNERDRIVER:-$root/build/learner/study/bench/learnerdriver}
for p in "$bookmaker" "$learner"; do
    [ -x "$p" ] || { echo "no program at $p: build the killdriver and learnerdriver targets first" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
status=0
fail() {
    echo "$*" >&2
    exit 1
}

material=$work/material
"$bookmaker" setup "$material" >/dev/null
cp "$material/book.pro" "$work/book.pro"

# The folder as the setup left it: the project, no textbook, nothing else.
resetbook() {
    rm -f "$material"/*.zemBook* "$material"/book.pro?* "$material"/.qt_temp* "$material"/.book.pro.* \
        "$material"/.*.zemBook.*
    cp "$work/book.pro" "$material/book.pro"
}

# The learner's program settings lie beside it: a copy of its own.
mkdir "$work/learner"
cp "$learner" "$work/learner/"
learner=$work/learner/$(basename "$learner")
users=$work/users
"$learner" setup "$users" >/dev/null 2>&1
cp -a "$users" "$work/users.orig"

# The user, the textbook, no settings and nothing else.
resetusers() {
    rm -rf "$users"
    cp -a "$work/users.orig" "$users"
}

# seconds MICROSECONDS: the same in seconds, for sleep.
seconds() {
    printf '%d.%06d' $(($1 / 1000000)) $(($1 % 1000000))
}

# median DRIVER RESET FOLDER STEP: median milliseconds of five unkilled runs.
median() {
    for _ in 1 2 3 4 5; do
        "$2"
        "$1" "$4" "$3" 2>/dev/null | sed -n 's/^done //p'
    done | sort -n | sed -n 3p
}

# killed DRIVER FOLDER STEP MICROSECONDS: runs the step, kills it that long
# after it printed "ready", and prints "killed", "finished" or "broken" (no
# "ready").
killed() {
    coproc step { exec "$1" "$3" "$2" 2>/dev/null; }
    local pid=$step_PID
    if ! read -r -u "${step[0]}" _; then
        wait "$pid" 2>/dev/null || true
        echo broken
        return
    fi
    sleep "$(seconds "$4")"
    if kill -KILL "$pid" 2>/dev/null; then
        echo killed
    else
        echo finished
    fi
    wait "$pid" 2>/dev/null || true
}

# campaign DRIVER RESET FOLDER STEP KILLS FIELD...: prints the step's figures,
# the runs in which the check found one of the fields not 0.
campaign() {
    local driver=$1 reset=$2 folder=$3 step=$4 runs=$5
    shift 5
    local ms kills=0 finished=0 broken=0 completed=0 findings=$work/$step.txt field
    declare -A count
    for field in "$@"; do count[$field]=0; done
    ms=$(median "$driver" "$reset" "$folder" "$step")
    [[ "$ms" =~ ^[0-9]+$ ]] || fail "the $step step does not run"
    : >"$findings"
    for ((i = 0; i < runs; i++)); do
        "$reset"
        local delay=$((i * ms * 1000 / runs)) outcome line found=
        outcome=$(killed "$driver" "$folder" "$step" "$delay")
        case "$outcome" in
        killed) kills=$((kills + 1)) ;;
        finished) finished=$((finished + 1)) ;;
        *) broken=$((broken + 1)) found=1 ;;
        esac
        line=$("$driver" check "$folder" 2>/dev/null || true)
        [ -n "$line" ] || { broken=$((broken + 1)) found=1; }
        case " $line" in *" completed=1"*) completed=$((completed + 1)) ;; esac
        for field in "$@"; do
            case " $line" in
            *" $field=0"*) ;;
            *) count[$field]=$((${count[$field]} + 1)) found=1 ;;
            esac
        done
        [ -z "$found" ] || { echo "$delay us ($outcome): ${line:-no check}" >>"$findings"; status=1; }
    done
    local figures=
    for field in "$@"; do figures="$figures, $field ${count[$field]}"; done
    echo "$step: $runs runs over ${ms} ms, $kills killed, $finished finished first, $broken broken$figures," \
        "$completed finished at the next start"
    sed 's/^/    /' "$findings"
}

campaign "$bookmaker" resetbook "$material" generate "$generations" torn lone locked lost leftovers
campaign "$bookmaker" resetbook "$material" save "$saves" torn lone locked lost leftovers

# A lone book.zemBook is the user's: generation and the next start leave it.
# It holds the random order, which a generation would not write under that name.
resetbook
"$bookmaker" generate "$material" >/dev/null 2>&1 || fail "the generation does not run"
cp "$material/rand.zemBook" "$work/book.zemBook"
resetbook
cp "$work/book.zemBook" "$material/book.zemBook"
"$bookmaker" generate "$material" >/dev/null 2>&1 || true
"$bookmaker" check "$material" >/dev/null 2>&1 || true
if cmp -s "$work/book.zemBook" "$material/book.zemBook"; then
    echo "lone book.zemBook: kept"
else
    echo "lone book.zemBook: NOT KEPT"
    status=1
fi

campaign "$learner" resetusers "$users" logins "$logins" lockedout torn leftovers
exit $status
