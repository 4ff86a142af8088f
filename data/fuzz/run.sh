#!/bin/sh
# run.sh <fuzzer> <corpus folder> <regression folder> <runs>: replays every
# committed input and every input that ever failed, then mutates from them
# for a fixed number of runs with a fixed seed, twice, so the same code always
# gives the same answer: the two runs must close at the same coverage. A
# crash, leak, hang or allocation of more than 32 MiB fails.
set -eu
fuzzer=$1
corpus=$2
regressions=$3
runs=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
limits="-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=32 -max_len=8192"
inputs=$(find "$corpus" "$regressions" -type f 2>/dev/null | sort)
if [ -n "$inputs" ]; then
    # shellcheck disable=SC2086
    "$fuzzer" $limits -artifact_prefix="$work/" $inputs
fi
# seeded N: one fixed-seed run from an empty corpus of its own; prints its
# closing coverage ("cov: C ft: F").
seeded() {
    rm -rf "$work/corpus"
    mkdir "$work/corpus"
    status=0
    # shellcheck disable=SC2086
    "$fuzzer" $limits -seed=1 -runs="$runs" -print_final_stats=1 -artifact_prefix="$work/" \
        "$work/corpus" "$corpus" 2>"$work/log$1" || status=$?
    cat "$work/log$1" >&2
    [ "$status" = 0 ] || exit "$status"
    sed -n 's/^#[0-9]*[[:space:]]*DONE[[:space:]]*\(cov: [0-9]* ft: [0-9]*\).*/\1/p' "$work/log$1"
}
# The same seed must give the same coverage, or the answer depends on chance.
first=$(seeded 1)
second=$(seeded 2)
if [ -z "$first" ] || [ "$first" != "$second" ]; then
    echo "one seed gave different coverage: ${first:-none}, then ${second:-none}" >&2
    exit 1
fi
echo "both runs of seed 1 closed at $first"
