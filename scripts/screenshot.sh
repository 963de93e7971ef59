#!/usr/bin/env bash
# Starts the built Quorvel under Wine on a private Xvfb display and saves a PNG of its main
# window, then one of both windows with the about window open:
#   scripts/screenshot.sh [MAIN.png [BOTH.png]]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-$root/build/win64/screenshots/main-window.png}")
both=$(realpath -m "${2:-$(dirname "$out")/both-windows.png}")
. "$root/tests/e2e/wine-env.sh"
. "$root/tests/e2e/program.sh"
state=$root/build/win64/run-wine
qv_program_setup "$state" "/dev/shm/quorvel-ramdisk-$(id -u)"
qv_xvfb_start "$state/shot-xvfb.state"
. "$state/shot-xvfb.state"
export DISPLAY=$QV_DISPLAY
trap '"$WINESERVER" -k 2> /dev/null || true; qv_xvfb_stop "$state/shot-xvfb.state"' EXIT

qv_program_start
qv_drive wait-window
read -r x y w h < <(qv_drive screen-rect Quorvel)
mkdir -p "$(dirname "$out")"
import -display "$DISPLAY" -window root png:- | convert png:- -crop "${w}x${h}+${x}+${y}" +repage "$out"
qv_drive click btn_Version
read -r ax ay aw ah < <(qv_drive screen-rect VersionInfo)
left=$((x < ax ? x : ax)) top=$((y < ay ? y : ay))
right=$((x + w > ax + aw ? x + w : ax + aw)) bottom=$((y + h > ay + ah ? y + h : ay + ah))
import -display "$DISPLAY" -window root png:- |
  convert png:- -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$both"
qv_program_close || true
echo "screenshot: $out"
echo "screenshot: $both"
