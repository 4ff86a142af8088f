#!/bin/sh
# run.sh <fuzzer> <seed folder> <seconds>: fuzzes for a bounded time from the
# committed seeds, in a scratch corpus. A crash, leak, hang or allocation of
# more than 32 MiB fails the run; the input that caused it is printed and kept
# in the scratch folder, to be added to the damaged-file tests.
set -eu
fuzzer=$1
seeds=$2
seconds=$3
work=$(mktemp -d)
mkdir "$work/corpus"
if "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=32 \
    -max_len=8192 -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus" "$seeds"; then
    rm -rf "$work"
else
    echo "failing input kept in $work"
    exit 1
fi
