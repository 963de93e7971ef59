#!/usr/bin/env bash
# ctest fixture for the tests under Wine: `setup STATE_DIR` makes the prefixes and starts a
# private Xvfb and a persistent wineserver; `teardown STATE_DIR` stops exactly those.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
action=$1
state_dir=$(realpath -m "$2")
mkdir -p "$state_dir"
state="$state_dir/xvfb.state"

case "$action" in
  setup)
    qv_xvfb_stop "$state"
    qv_xvfb_start "$state"
    qv_prefix_init "$state_dir/prefix"
    # The desktop process starts with the services and keeps the display it was given.
    . "$state"
    export WINEPREFIX="$state_dir/prefix" DISPLAY=$QV_DISPLAY
    "$WINESERVER" -p > /dev/null 2>&1 < /dev/null || true  # fails when one already runs
    # Wine's services start with the first program and inherit its output; start them here,
    # detached, so that no test's output pipe stays open after it ends.
    "$WINE" cmd.exe /c exit 0 > /dev/null 2>&1 < /dev/null
    ;;
  teardown)
    WINEPREFIX="$state_dir/prefix" "$WINESERVER" -k 2> /dev/null || true
    qv_xvfb_stop "$state"
    ;;
esac
