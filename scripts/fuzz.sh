#!/bin/sh
# fuzz.sh [seconds] [target]: open-ended fuzzing of one libFuzzer target (or
# of all of them, one after the other) from its committed corpus, for the
# given seconds each (600 by default). Needs a build in build/ with clang++.
# Every failing input is copied into the target's regressions/ folder, which
# ctest replays from then on. Exits 1 when an input failed, a fuzzer is not
# built or did not run to its end, or no target has the given name.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
seconds=${1:-600}
only=${2:-}
status=0
fuzzed=0
for source in "$root"/data/fuzz "$root"/common/fuzz; do
    for corpus in "$source"/corpus/*; do
        [ -d "$corpus" ] || continue
        target=$(basename "$corpus")
        [ -z "$only" ] || [ "$only" = "$target" ] || continue
        fuzzed=$((fuzzed + 1))
        part=$(basename "$(dirname "$source")")
        fuzzer=$build/$part/fuzz/$target
        if [ ! -x "$fuzzer" ]; then
            echo "no fuzzer at $fuzzer: build it with clang++ first" >&2
            status=1
            continue
        fi
        regressions=$source/regressions/$target
        work=$(mktemp -d)
        mkdir -p "$work/corpus" "$regressions"
        echo "== $target for $seconds s"
        if ! "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=32 \
            -max_len=8192 -print_final_stats=1 -fork=1 -ignore_crashes=1 -ignore_ooms=1 \
            -ignore_timeouts=1 -artifact_prefix="$work/" "$work/corpus" "$corpus"; then
            echo "$target did not run to its end" >&2
            status=1
        fi
        for found in "$work"/crash-* "$work"/oom-* "$work"/timeout-* "$work"/leak-*; do
            [ -f "$found" ] || continue
            cp "$found" "$regressions/"
            echo "failing input kept as $regressions/$(basename "$found")"
            status=1
        done
        rm -rf "$work"
    done
done
if [ "$fuzzed" = 0 ]; then
    echo "no fuzzing target ${only:+named $only }found" >&2
    status=1
fi
exit $status
