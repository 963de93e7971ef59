#!/usr/bin/env bash
# in-wine.sh STATE_DIR PROGRAM.exe ARGS...: runs a Windows program in the fixture's prefix
# and display, and returns its exit code.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
state_dir=$(realpath -m "$1")
shift
. "$state_dir/xvfb.state"
export DISPLAY=$QV_DISPLAY WINEPREFIX="$state_dir/prefix"
exec "$WINE" "$@"
