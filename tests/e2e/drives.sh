# Sourced after wine-env.sh by the pass tests: R: on a fresh /dev/shm folder (a real RAM disk),
# D: on a fresh disk folder, both removed on exit.
qv_drives_setup() {
  local state_dir=$1
  . "$state_dir/xvfb.state"
  export DISPLAY=$QV_DISPLAY WINEPREFIX="$state_dir/prefix"
  RAM=$(mktemp -d /dev/shm/qv-ram.XXXXXX)
  DISK=$(mktemp -d "${TMPDIR:-/tmp}/qv-disk.XXXXXX")
  trap 'rm -rf "$RAM" "$DISK"; rm -f "$WINEPREFIX/dosdevices/r:" "$WINEPREFIX/dosdevices/d:"' EXIT
  qv_map_drive "$WINEPREFIX" r "$RAM"
  qv_map_drive "$WINEPREFIX" d "$DISK"
}

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
