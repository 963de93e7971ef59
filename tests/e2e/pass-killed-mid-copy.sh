#!/usr/bin/env bash
# pass-killed-mid-copy.sh STATE_DIR quorvel-pass.exe: kills a backup while it copies a large
# file over its previous backup; the previous backup must still be whole.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
. "$here/drives.sh"
qv_drives_setup "$(realpath -m "$1")"
pass=$2
size=$((1024 * 1024 * 1024))

mkdir -p "$RAM/work" "$DISK/bk"
head -c "$size" /dev/zero | tr '\0' 'A' > "$RAM/work/big.bin"
printf 'small v1' > "$RAM/work/small.txt"
"$WINE" "$pass" backup 'R:\' 'D:\bk' work > /dev/null
old_sum=$(sha1sum < "$DISK/bk/work/big.bin")

head -c "$size" /dev/zero | tr '\0' 'B' > "$RAM/work/big.bin"
"$WINE" "$pass" backup 'R:\' 'D:\bk' work > /dev/null &
pid=$!  # the Wine loader becomes the program's own process
killed_at=
for _ in $(seq 4000); do
  staged=$(find "$DISK/bk/.quorvel-tmp" -name '*.tmp' -size +1M 2> /dev/null | head -n 1)
  if [ -n "$staged" ]; then
    kill -KILL "$pid"
    killed_at=$(stat -c %s "$staged" 2> /dev/null || echo gone)
    break
  fi
  sleep 0.005
done
wait || true
[ -n "$killed_at" ] || fail "never caught the copy in progress"
echo "killed with $killed_at of $size bytes staged"
[ "$killed_at" != "$size" ] || echo "note: the staged copy was already complete when killed"

[ "$(sha1sum < "$DISK/bk/work/big.bin")" = "$old_sum" ] || fail "the previous backup was damaged"
[ "$(stat -c %s "$DISK/bk/work/big.bin")" = "$size" ] || fail "the previous backup lost its size"

"$WINE" "$pass" backup 'R:\' 'D:\bk' work > /dev/null
cmp -s "$RAM/work/big.bin" "$DISK/bk/work/big.bin" || fail "the next backup did not complete"
[ ! -e "$DISK/bk/.quorvel-tmp" ] || fail "the next backup left the staging folder"
echo "PASS: a killed backup leaves the previous copy whole"
