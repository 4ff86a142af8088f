#!/bin/bash
# Runs the writing steps of both programs on a full disk (a small tmpfs filled
# to the last block; needs root) and prints for each the messages it showed and
# whether the files it would have replaced are intact: the bookmaker's word
# import, project save, generation and recording (the MP3 on the full disk, and
# the raw capture in a program folder on it), and the learner's user save.
# Usage: sudo scripts/fulldisk.sh
# With SHOTDIR set, pictures of the messages go into a folder per step in it.
# (build the fulldiskdriver and learnerdriver targets first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bookmaker=$root/build/bookmaker/content/bench/fulldiskdriver
learner=$root/build/learner/study/bench/learnerdriver
for p in "$bookmaker" "$learner"; do
    [ -x "$p" ] || { echo "no program at $p: build it first" >&2; exit 1; }
done

work=$(mktemp -d)
disk=$work/disk
mkdir "$disk"
mount -t tmpfs -o size=24m tmpfs "$disk"
cleanup() {
    "$root/scripts/pulse.sh" stop "$work/pulse" || true
    umount "$disk"
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -m 700 "$work/pulse"
"$root/scripts/pulse.sh" start "$work/pulse" >/dev/null 2>&1
export PULSE_SERVER=unix:$work/pulse/native XDG_RUNTIME_DIR=$work/pulse

fill() { dd if=/dev/zero of="$disk/filler" bs=4k >/dev/null 2>&1 || true; }
unfill() { rm -f "$disk/filler"; }
sums() { (cd "$1" && shift && sha256sum "$@") ; }

# step NAME FOLDER "FILES" "ABSENT" COMMAND...: runs the command on the full
# disk and reports its messages, whether the files of FOLDER it must keep are
# intact, and what it left there of unfinished saves and of the ABSENT files.
step() {
    local name=$1 folder=$2 files=$3 absent=$4
    shift 4
    local before after messages shots=
    if [ -n "${SHOTDIR:-}" ]; then
        shots=$SHOTDIR/$(echo "$name" | tr -c 'a-zA-Z0-9\n' -)
        mkdir -p "$shots"
    fi
    before=$(sums "$folder" $files)
    fill
    messages=$(SHOTDIR=$shots "$@" 2>/dev/null | sed -n 's/^messages: //p')
    unfill
    after=$(sums "$folder" $files 2>/dev/null || true)
    local left
    left=$(cd "$folder" && ls -A | grep -xE "$absent|.*\.[A-Za-z0-9]{6}|.*\.lock" | tr '\n' ' ' || true)
    printf '%s: messages "%s"; old files intact: %s; left behind: %s\n' "$name" "${messages:-none}" \
        "$([ "$before" = "$after" ] && echo yes || echo NO)" "${left:-nothing}"
}

material=$disk/material
"$bookmaker" setup "$material" >/dev/null
mkdir "$work/sources"
for i in $(seq 1 80); do printf 'more%d\n[m]\n多%d\n' "$i" "$i"; done >"$work/sources/words.txt"
step import "$material" "book.pro _words_.txt" "" "$bookmaker" import "$material" "$work/sources/words.txt"
step "project save" "$material" "book.pro" "" "$bookmaker" save "$material"
step generation "$material" "book.pro" ".*\.zemBook" "$bookmaker" generate "$material"
# A sound is recorded only where none is: the first word's goes first.
rm "$material/w1.mp3"
step "recording (MP3)" "$material" "book.pro" "w1.mp3" "$bookmaker" record "$material"

# The raw capture goes beside the program: a copy of it on the full disk.
mkdir "$disk/program"
strip -o "$disk/program/$(basename "$bookmaker")" "$bookmaker"
onfull=$disk/program/$(basename "$bookmaker")
ondisk=$work/material
"$onfull" setup "$ondisk" >/dev/null
rm "$ondisk/w1.mp3"
step "recording (raw capture)" "$ondisk" "_words_.txt" "w1.mp3|temp.raw" "$onfull" record "$ondisk"
rm -rf "$disk/program"

users=$disk/users
"$learner" setup "$users" >/dev/null
step "user save" "$users" "u.zbu" "" "$learner" save "$users"
