#!/usr/bin/env bash
# startup.sh STATE_DIR quorvel.exe qvdrive.exe: the real start-up under Wine: a first run,
# a restore from saved settings, a missing Settings.ini, and the wait with its progress bar.
. "$(dirname "$0")/program-test.sh"

# settings LINE...: a Settings.ini of the lines, CR LF ended, in the ANSI code page.
settings() {
  : > "$QV_PROGRAM_DIR/Settings.ini"
  [ $# -eq 0 ] || printf '%s\r\n' "[Options]" "$@" | iconv -f UTF-8 -t CP932 > "$QV_PROGRAM_DIR/Settings.ini"
}

stop_program() { qv_program_close || fail "the program did not end"; }

# 1. An empty Settings.ini is a first run.
qv_fresh_program
settings
qv_program_start
qv_drive wait-window
qv_drive wait-log 初回起動\ 設定をしてください
qv_drive log | grep -q 'Quorvel起動$' || fail "no start line"
[ "$(qv_drive enabled BTN_UnInst)$(qv_drive enabled BTN_manual_backup)$(qv_drive enabled btn_save)" = 001 ] ||
  fail "first-run buttons"
[ "$(qv_drive get wait_interval) $(qv_drive enabled wait_interval)" = "2000 0" ] || fail "wait field"
[ "$(qv_drive get int_backup_timer) $(qv_drive enabled int_backup_timer)" = "1 0" ] || fail "period field"
[ -z "$(qv_drive get DriveLetter)$(qv_drive get CopyTo)" ] || fail "the paths are not empty"
[ -f "$QV_PROGRAM_DIR/RAMDiskDirs.dat" ] && [ ! -s "$QV_PROGRAM_DIR/RAMDiskDirs.dat" ] || fail "empty folder list"
qv_drive log | grep -q 'DAT消失 新規作成$' || fail "no line for the made folder list"
stop_program
echo "ok: first run"

# 2. Saved settings restore a listed folder from D: to R:.
qv_fresh_program
mkdir -p "$DISK/退避/作業/深い"
printf 'A' > "$DISK/退避/作業/a.txt"
printf 'ソース' > "$DISK/退避/作業/深い/表示.txt"
settings First=0 'DriveLetter=R:\' 'CopyTo=D:\退避'
printf '作業\r\n' | iconv -f UTF-8 -t CP932 > "$QV_PROGRAM_DIR/RAMDiskDirs.dat"
qv_program_start
qv_drive wait-window
qv_drive wait-log RAMDiskへ移動完了
diff -r "$DISK/退避/作業" "$RAM/作業" || fail "restore differs"
[ "$(qv_drive items ListBox1)" = 作業 ] || fail "the folder list"
[ "$(qv_drive get CopyTo)" = 'D:\退避' ] || fail "the backup folder"
stop_program
echo "ok: restore at start"

# 3. Without Settings.ini: the notice, the folder list made, and the end.
qv_fresh_program
qv_program_start
box=$(qv_drive box)
[ "$box" = "$(printf 'quorvel\nSettings.iniがありません、起動に必須なファイルです')" ] || fail "notice: $box"
qv_drive press ok
qv_program_wait_exit 10 || fail "the program did not end after the notice"
[ -f "$QV_PROGRAM_DIR/RAMDiskDirs.dat" ] || fail "the folder list was not made"
[ ! -e "$QV_PROGRAM_DIR/Settings.ini" ] || fail "Settings.ini was made"
echo "ok: no Settings.ini"

# 4. The wait: the bar fills in steps of 1000 up to the wait.
qv_fresh_program
settings First=1 use_wait=1 Interval=2500
qv_program_start
qv_drive wait-window
qv_drive wait-log 待機中...
seen=""
for _ in $(seq 100); do
  read -r pos max < <(qv_drive progress ProgressBar1)
  [ "$max" = 2500 ] || fail "the bar's maximum is $max"
  case " $seen " in *" $pos "*) ;; *) seen="$seen $pos" ;; esac
  [ "$pos" = 2500 ] && break
  sleep 0.1
done
[ "$pos" = 2500 ] || fail "the bar did not fill: $seen"
qv_drive wait-log 初回起動\ 設定をしてください 5000
echo "bar positions seen:$seen"
stop_program
echo "PASS: start-up"
