#!/usr/bin/env bash
# as-user.sh STATE_DIR PROGRAM.exe ARGS...: runs a Windows program under Wine as an ordinary
# user, in a prefix of that user's own. Wine run as root may write to read-only files; an
# ordinary user is refused the way Windows refuses.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
state_dir=$(realpath -m "$1")
shift
user=qvtester
id "$user" > /dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
if ! runuser -u "$user" -- /bin/true 2> /dev/null; then
  # A root folder closed to other users (as in a chroot made with mktemp -d) leaves no way in.
  echo "SKIP: the user $user cannot run programs on this machine"
  exit 77
fi
prefix="$home/wine-prefix"
program=$(realpath "$1")
shift
# The program is copied where the user may read it, whatever the build tree's permissions.
work=$(mktemp -d /tmp/qv-as-user.XXXXXX)
trap 'rm -rf "$work"' EXIT
cp "$program" "$work/"
chmod -R a+rX "$work"
. "$state_dir/xvfb.state"
runuser -u "$user" -- env DISPLAY="$QV_DISPLAY" WINEPREFIX="$prefix" QV_EXPECT_READONLY_REFUSAL=1 \
  WINELOADER="$WINELOADER" WINESERVER="$WINESERVER" WINEDEBUG="$WINEDEBUG" WINEDLLOVERRIDES="$WINEDLLOVERRIDES" \
  LANG="$LANG" LC_ALL="$LC_ALL" HOME="$home" \
  bash -c '. "$0"; qv_prefix_init "$WINEPREFIX"; "$WINE" "$@"; rc=$?; "$WINESERVER" -k 2> /dev/null; exit $rc' \
  "$here/wine-env.sh" "$work/$(basename "$program")" "$@"
