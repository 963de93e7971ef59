# Sourced first by the program's end-to-end tests, called as TEST.sh STATE_DIR quorvel.exe
# qvdrive.exe: the fixture's prefix and display, fresh R: and D:, and a fresh program folder.
set -eu
e2e=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$e2e/wine-env.sh"
. "$e2e/drives.sh"
. "$e2e/program.sh"
qv_drives_setup "$(realpath -m "$1")"
qv_test_setup "$2" "$3"
