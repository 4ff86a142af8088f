#!/bin/sh
# run.sh <fuzzer> <corpus folder> <regression folder> <runs>: replays every
# committed input and every input that ever failed, then mutates from them
# for a fixed number of runs with a fixed seed, so the same code always gives
# the same answer. A crash, leak, hang or allocation of more than 32 MiB fails.
set -eu
fuzzer=$1
corpus=$2
regressions=$3
runs=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
limits="-timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=32"
inputs=$(find "$corpus" "$regressions" -type f 2>/dev/null | sort)
if [ -n "$inputs" ]; then
    # Each input whole: a length limit would cut the longer ones short.
    # shellcheck disable=SC2086
    "$fuzzer" $limits -artifact_prefix="$work/" $inputs
fi
mkdir "$work/corpus"
# shellcheck disable=SC2086
"$fuzzer" $limits -max_len=8192 -seed=1 -runs="$runs" -print_final_stats=1 -artifact_prefix="$work/" \
    "$work/corpus" "$corpus"
