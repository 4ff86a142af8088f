#!/bin/sh
# A private PulseAudio server with a null sink and source, so that sound
# plays and records in real time without a sound card.
# Usage: pulse.sh start|stop <dir>
set -eu
cmd=$1
dir=$2
mkdir -p "$dir"
export XDG_RUNTIME_DIR="$dir" HOME="$dir"
case "$cmd" in
start)
    pulseaudio --kill >/dev/null 2>&1 || true
    pulseaudio --daemonize=yes -n --use-pid-file=yes --exit-idle-time=-1 --disable-shm=yes \
        --load="module-null-sink sink_name=nullsink" \
        --load="module-null-source source_name=nullsrc" \
        --load="module-native-protocol-unix auth-anonymous=1 socket=$dir/native"
    i=0
    while [ ! -S "$dir/native" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    [ -S "$dir/native" ]
    ;;
stop)
    pulseaudio --kill >/dev/null 2>&1 || true
    ;;
*)
    echo "usage: pulse.sh start|stop <dir>" >&2
    exit 2
    ;;
esac
