#!/bin/bash
# Runs the learner window under AddressSanitizer and UndefinedBehaviorSanitizer
# many times, each a process of its own: a learner logs in, adopts a textbook,
# learns a few words (one to five, by run), takes the test, hands it in,
# reviews the group when due, visits every page and closes the window, which
# saves the settings and the user file at exit. Prints the runs, the failed
# ones (exit status, a sanitizer error, or a leak allocated in the programs'
# own sources) and the distinct findings, each with its first own frame;
# leaks allocated inside the libraries (the sound back end, the platform
# plugin) are counted apart. Exits 1 when a run failed or none could run.
# Usage: scripts/quitcampaign.sh [runs] [parallel]   (300 and 2 by default)
# Build first:
#   cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
#       "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer" \
#       -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined
#   cmake --build build-asan --target learnerdriver
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-300}
parallel=${2:-2}
driver=${QUITDRIVER:-$root/build-asan/learner/study/bench/learnerdriver}
[ -x "$driver" ] || { echo "no program at $driver: build it first (see the head of this script)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A sanitizer's report ends the run with status 23: the reports tell which.
export ASAN_OPTIONS=detect_leaks=1:exitcode=23
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:exitcode=23
own='(learner|common|data|resources)/[^ ]*\.(cpp|h):[0-9]+'

# The program settings lie beside the program: one copy of it per lane.
for ((lane = 0; lane < parallel; lane++)); do
    mkdir "$work/lane$lane"
    cp "$driver" "$work/lane$lane/"
done

# one RUN LANE: a run; writes its status and its findings into $work/RUN.*
one() {
    local run=$1 lane=$2 log=$work/$1.err status=0
    timeout 300 "$work/lane$lane/$(basename "$driver")" tour "$work/folder$run" $((run % 5 + 1)) \
        >"$work/$run.out" 2>"$log" || status=$?
    rm -rf "$work/folder$run"
    # An error is named by its first frame in the programs' own sources, a
    # direct leak by where it was allocated (indirect leaks follow from those).
    awk -v own="$own" '
        function flush() { if (kind != "") print kind " @ " (where == "" ? "libraries only" : where); kind = "" }
        /ERROR: AddressSanitizer/ { flush(); kind = $0; sub(/.*AddressSanitizer: /, "", kind); sub(/ on .*/, "", kind)
                                    where = ""; leak = 0; next }
        /runtime error:/ { flush(); kind = "runtime error"; where = ""; leak = 0
                           if (match($0, own)) where = substr($0, RSTART, RLENGTH); next }
        /^Direct leak/ { flush(); kind = "direct leak"; where = ""; leak = 1; next }
        /^Indirect leak|^SUMMARY/ { flush(); next }
        kind != "" && leak && /^ *#1 / { if (match($0, own)) where = substr($0, RSTART, RLENGTH); leak = 2 }
        kind != "" && !leak && where == "" && match($0, own) { where = substr($0, RSTART, RLENGTH) }
        END { flush() }
    ' "$log" >"$work/$run.findings"
    echo "$status" >"$work/$run.status"
}

for ((run = 0; run < runs; run += parallel)); do
    for ((lane = 0; lane < parallel && run + lane < runs; lane++)); do
        one $((run + lane)) "$lane" &
    done
    wait
done

failed=0
for ((run = 0; run < runs; run++)); do
    status=$(cat "$work/$run.status")
    ownfindings=$(grep -cv 'leak @ libraries only' "$work/$run.findings" || true)
    if [ "$status" != 0 ] && [ "$status" != 23 ] || [ "$ownfindings" != 0 ]; then
        failed=$((failed + 1))
        echo "run $run: exit status $status" >>"$work/failures"
    fi
done
cat "$work"/*.findings | sort | uniq -c | sort -rn >"$work/distinct"
echo "runs: $runs, failed: $failed, distinct findings: $(grep -cv 'leak @ libraries only' "$work/distinct" || true)" \
    "(runs with leaks allocated inside libraries only: $(grep -l 'libraries only' "$work"/*.findings | wc -l))"
[ ! -f "$work/failures" ] || head -20 "$work/failures"
sed 's/^/    /' "$work/distinct"
[ "$runs" -gt 0 ] && [ "$failed" = 0 ]
