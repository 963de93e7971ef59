# Sourced after wine-env.sh: installs Quorvel in a program folder of its own and runs it,
# with R: on a RAM folder under /dev/shm and D: on a disk folder.
QV_BUILD=${QV_BUILD:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/win64}
QVDRIVE=$QV_BUILD/tools/qvdrive/qvdrive.exe

# qv_program_setup STATE_DIR RAM_FOLDER: a prefix, the drives and the program folder. A Wine
# left running there from an earlier run is stopped: its desktop may be on another display.
qv_program_setup() {
  local state=$1 ram=$2
  export WINEPREFIX=$state/prefix
  qv_prefix_init "$WINEPREFIX"
  "$WINESERVER" -k 2> /dev/null || true
  mkdir -p "$ram" "$state/disk-d" "$state/program"
  qv_map_drive "$WINEPREFIX" r "$ram"
  qv_map_drive "$WINEPREFIX" d "$state/disk-d"
  cp "$QV_BUILD/app/quorvel.exe" "$state/program/quorvel.exe"
  # The program needs a Settings.ini; an empty one is a first run.
  [ -e "$state/program/Settings.ini" ] || : > "$state/program/Settings.ini"
  QV_PROGRAM_DIR=$state/program
}

# qv_program_start: starts the program from its folder; its PID goes to QV_PROGRAM_PID.
qv_program_start() {
  (cd "$QV_PROGRAM_DIR" && exec "$WINE" quorvel.exe > /dev/null 2>&1 < /dev/null) &
  QV_PROGRAM_PID=$!
}

# qv_program_wait_exit SECONDS: waits for the program to end; fails when it does not.
qv_program_wait_exit() {
  local deadline=$((SECONDS + $1))
  while kill -0 "$QV_PROGRAM_PID" 2> /dev/null; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

qv_drive() { "$WINE" "$QVDRIVE" "$@" < /dev/null; }

# For the tests, after qv_drives_setup: qv_test_setup QUORVEL_EXE QVDRIVE_EXE makes a fresh
# program folder, and on exit stops the program and removes the folders and drive links.
qv_test_setup() {
  QV_EXE=$(realpath "$1")
  QVDRIVE=$(realpath "$2")
  QV_PROGRAM_DIR=
  QV_PROGRAM_PID=
  trap qv_test_cleanup EXIT
  qv_fresh_program
}

# qv_fresh_program: a new program folder holding only the program.
qv_fresh_program() {
  [ -z "$QV_PROGRAM_DIR" ] || rm -rf "$QV_PROGRAM_DIR"
  QV_PROGRAM_DIR=$(mktemp -d "${TMPDIR:-/tmp}/qv-program.XXXXXX")
  cp "$QV_EXE" "$QV_PROGRAM_DIR/quorvel.exe"
}

qv_test_cleanup() {
  [ -z "$QV_PROGRAM_PID" ] || kill "$QV_PROGRAM_PID" 2> /dev/null || true
  rm -rf "$RAM" "$DISK" "${QV_PROGRAM_DIR:-/nonexistent}"
  rm -f "$WINEPREFIX/dosdevices/r:" "$WINEPREFIX/dosdevices/d:"
}

# qv_program_close: the close box, answering Yes when the program asks; fails when it does
# not end.
qv_program_close() {
  qv_drive close
  qv_program_wait_exit 2 && return 0
  qv_drive press yes
  qv_program_wait_exit 10
}
