#!/usr/bin/env bash
# Builds Quorvel and runs it under Wine: on your display when there is one, else on a private
# Xvfb display, saving a screenshot of the main window.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
bash scripts/bootstrap.sh
cmake --preset win64 > /dev/null
cmake --build --preset win64

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo > /dev/null 2>&1; then
  exec scripts/screenshot.sh "$@"
fi

. tests/e2e/wine-env.sh
. tests/e2e/program.sh
ram=/dev/shm/quorvel-ramdisk-$(id -u)
qv_program_setup "$root/build/win64/run-wine" "$ram"
echo "R: is $ram, D: is $root/build/win64/run-wine/disk-d; the program folder is $QV_PROGRAM_DIR"
qv_program_start
wait "$QV_PROGRAM_PID" || true
"$WINESERVER" -k 2> /dev/null || true
