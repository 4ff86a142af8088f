#!/bin/sh
# Installs every Debian package the build, the programs and the tests need.
# Idempotent and non-interactive; run as root or through sudo.
set -eu

# fonts-wqy-microhei gives the one face both programs use for Chinese and Latin text.
PACKAGES="g++ make cmake pkg-config qtbase5-dev qttools5-dev-tools qtmultimedia5-dev
libqt5multimedia5-plugins libphonon4qt5-dev phonon4qt5-backend-vlc libvlc-bin
pulseaudio pulseaudio-utils lame sox espeak-ng python3
xvfb xauth x11-apps x11-utils libx11-dev imagemagick time
fonts-wqy-microhei
clang libclang-rt-14-dev"

# One query for all: the start scripts run this before every start.
installed=" $(dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' $PACKAGES 2>/dev/null | sed -n 's/^ii *//p' | tr '\n' ' ') "
missing=""
for p in $PACKAGES; do
    case "$installed" in
        *" $p "*) ;;
        *) missing="$missing $p" ;;
    esac
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends $missing
