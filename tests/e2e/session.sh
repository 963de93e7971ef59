#!/usr/bin/env bash
# session.sh STATE_DIR quorvel.exe qvdrive.exe: saving with the Run-key registration, a
# start that restores, the session end that backs up before the program goes, and uninstall.
. "$(dirname "$0")/program-test.sh"
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'

# run_value: the data of the value Quorvel, or nothing when there is none.
run_value() {
  "$WINE" reg query "$run_key" /v Quorvel 2> /dev/null < /dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r' |
    sed -n 's/^ *Quorvel *REG_SZ *//p'
}
"$WINE" reg delete "$run_key" /v Quorvel /f > /dev/null 2>&1 < /dev/null || true

# 1. A first run: fill in the window and save.
: > "$QV_PROGRAM_DIR/Settings.ini"
mkdir -p "$RAM/work" "$DISK/bk"
printf 'v1' > "$RAM/work/a.txt"
qv_program_start
qv_drive wait-window
qv_drive wait-log 初回起動\ 設定をしてください
qv_drive set DriveLetter 'R:\'
qv_drive set CopyTo 'D:\bk'
qv_drive set addDir work
qv_drive click btn_add
qv_drive click btn_save
qv_drive wait-log 全設定保存完了
qv_drive log | grep -q 'レジストリ書き込み成功$' || fail "no registry line"
expected="\"$("$WINE" winepath -w "$QV_PROGRAM_DIR/quorvel.exe" 2> /dev/null < /dev/null | tr -d '\r')\""
[ "$(run_value)" = "$expected" ] || fail "Run value '$(run_value)', not '$expected'"
[ "$(qv_drive enabled BTN_manual_backup)" = 1 ] || fail "the backup button is not enabled"
cmp "$QV_PROGRAM_DIR/RAMDiskDirs.dat" <(printf 'work\r\n') || fail "RAMDiskDirs.dat bytes"
cmp "$QV_PROGRAM_DIR/Settings.ini" <(printf '%s\r\n' '[Options]' First=0 FormVisible=1 use_wait=0 \
  use_backup_timer=0 'DriveLetter=R:\' 'CopyTo=D:\bk' Interval=2000 int_backup_timer=1) || fail "Settings.ini"
# Saved, so closing asks; No keeps the program, Yes ends it.
qv_drive close
[ "$(qv_drive box | tail -n +2 | head -1)" = "本当に終了してよろしいですか？" ] || fail "the close question"
qv_drive press no
sleep 0.5
kill -0 "$QV_PROGRAM_PID" || fail "No ended the program"
qv_drive close
qv_drive press yes
qv_program_wait_exit 10 || fail "Yes did not end the program"
[ ! -e "$DISK/bk/work" ] || fail "closing made a backup"
echo "ok: first run and save"

# 2. The next start restores; the session end backs up before the program goes.
rm -rf "${RAM:?}/work"
mkdir -p "$DISK/bk/work"
printf 'v1' > "$DISK/bk/work/a.txt"
qv_program_start
qv_drive wait-window
qv_drive wait-log RAMDiskへ移動完了
[ "$(cat "$RAM/work/a.txt")" = v1 ] || fail "the restore"
printf 'v2' > "$RAM/work/a.txt"
head -c 20000000 /dev/urandom > "$RAM/work/big.bin"
# Wine's end of session would start the Run entries again; keep it to this one program.
"$WINE" reg delete "$run_key" /v Quorvel /f > /dev/null 2>&1 < /dev/null
timeout 60 "$WINE" wineboot --end-session > /dev/null 2>&1 < /dev/null || fail "wineboot --end-session"
qv_program_wait_exit 20 || fail "the program outlived the session"
[ "$(cat "$DISK/bk/work/a.txt")" = v2 ] || fail "the session end did not back up"
cmp "$RAM/work/big.bin" "$DISK/bk/work/big.bin" || fail "the large file"
"$WINE" reg add "$run_key" /v Quorvel /d "$expected" /f > /dev/null 2>&1 < /dev/null
echo "ok: restore at start, backup at the session end"

# 3. Uninstall removes the value, keeps both files and ends the program.
cp "$QV_PROGRAM_DIR/Settings.ini" "$DISK/settings.before"
cp "$QV_PROGRAM_DIR/RAMDiskDirs.dat" "$DISK/list.before"
qv_program_start
qv_drive wait-window
qv_drive wait-log RAMDiskへ移動完了
qv_drive click BTN_UnInst
[ "$(qv_drive box | tail -n +2)" = "$(printf '本当にアンインストールしますか？\n(ここで削除されるのは常駐設定のみです)')" ] ||
  fail "the uninstall question"
qv_drive press yes
qv_drive wait-log 常駐設定削除完了
[ "$(qv_drive box | tail -n +2)" = "ご利用ありがとうございました、終了します" ] || fail "the farewell"
qv_drive press ok
qv_program_wait_exit 10 || fail "the program did not end after uninstalling"
[ -z "$(run_value)" ] || fail "the Run value is still there"
cmp "$QV_PROGRAM_DIR/Settings.ini" "$DISK/settings.before" || fail "Settings.ini changed"
cmp "$QV_PROGRAM_DIR/RAMDiskDirs.dat" "$DISK/list.before" || fail "RAMDiskDirs.dat changed"
echo "ok: uninstall"

# 4. Killed by Wine's "プロセスの終了" while the session-end pass copies: every backed-up file
# is its earlier copy or its new one, whole.
head -c $((4096 * 10000)) /dev/urandom > "$DISK/blob"
rm -rf "$DISK/bk/work" "$DISK/old"
mkdir -p "$DISK/bk/work"
(cd "$DISK/bk/work" && split -b 4096 -a 5 ../../blob f)
cp -r "$DISK/bk/work" "$DISK/old"
qv_program_start
qv_drive wait-window
qv_drive wait-log RAMDiskへ移動完了 120000
head -c $((4096 * 10000)) /dev/urandom > "$DISK/blob"
(cd "$RAM/work" && split -b 4096 -a 5 "$DISK/blob" f)
timeout 120 "$WINE" wineboot --end-session > /dev/null 2>&1 < /dev/null &
ender=$!
qv_drive press-dialog 待機中 1
qv_program_wait_exit 20 || fail "プロセスの終了 did not end the program"
wait "$ender" || true
sums() { (cd "$1" && find . -name 'f*' -type f -exec md5sum {} +) | sort -k2; }
sums "$DISK/bk/work" > "$DISK/backup.md5"
sums "$DISK/old" > "$DISK/old.md5"
sums "$RAM/work" > "$DISK/new.md5"
awk 'FILENAME == ARGV[1] { old[$2] = $1; next } FILENAME == ARGV[2] { new[$2] = $1; next }
     { if ($1 == old[$2]) kept++; else if ($1 == new[$2]) renewed++; else { print "damaged: " $2; bad++ } }
     END { printf "kept %d, renewed %d\n", kept, renewed; exit bad > 0 || kept == 0 || renewed == 0 }' \
  "$DISK/old.md5" "$DISK/new.md5" "$DISK/backup.md5" || fail "the killed pass left a damaged or no partial backup"
[ "$(wc -l < "$DISK/backup.md5")" = 10000 ] || fail "an earlier backup file is gone"
echo "PASS: save, session end, uninstall, killed session end"
