#!/usr/bin/env bash
# pass-round-trip.sh STATE_DIR quorvel-pass.exe: a real backup from R: to D:, then a restore
# into an emptied R:, as after a restart.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
. "$here/drives.sh"
qv_drives_setup "$(realpath -m "$1")"
pass=$2

mkdir -p "$RAM/work/深い/フォルダ/empty" "$RAM/work/.cache" "$DISK/bk"
printf 'a' > "$RAM/work/a.txt"
printf 'ソース' > "$RAM/work/深い/フォルダ/表示.txt"
printf 'k' > "$RAM/work/한국어.txt"
printf 'p' > "$RAM/work/.profile"
printf 'c' > "$RAM/work/.cache/blob"
head -c 3000000 /dev/urandom > "$RAM/work/深い/big.bin"

out=$("$WINE" "$pass" backup 'R:\' 'D:\bk' work gone)
echo "$out"
stamp='[0-9]{4}/[0-9]{1,2}/[0-9]{1,2}( [0-9]{1,2}:[0-9]{2}:[0-9]{2})?　'
printf '%s\n' "$out" | grep -v '^elapsed_ms' > "$DISK/log.txt"
diff <(sed -E "s#^$stamp##" "$DISK/log.txt") - <<'LOG' || fail "backup log"
RAMDiskのバックアップ中です...
スキップ(RAM側フォルダ無し)
RAMDiskのバックアップ完了
LOG
[ "$(grep -cE "^$stamp" "$DISK/log.txt")" = 3 ] || fail "time stamps"
[ ! -e "$DISK/bk/work/.cache" ] || fail "dot folder was copied"
[ ! -e "$DISK/bk/.quorvel-tmp" ] || fail "staging folder left behind"
diff -r --exclude=.cache "$RAM/work" "$DISK/bk/work" || fail "backup differs"
[ -d "$DISK/bk/work/深い/フォルダ/empty" ] || fail "empty folder not created"

rm -rf "${RAM:?}"/*
out=$("$WINE" "$pass" restore 'R:\' 'D:\bk' work)
echo "$out"
printf '%s\n' "$out" | grep -qE "^${stamp}RAMDiskへ移動完了$" || fail "restore log"
diff -r "$DISK/bk/work" "$RAM/work" || fail "restore differs"
[ ! -e "$RAM/.quorvel-tmp" ] || fail "staging folder left on the RAM disk"
echo "PASS: backup and restore round trip"
