#!/usr/bin/env bash
# main-window.sh STATE_DIR quorvel.exe qvdrive.exe: the real main window under Wine: its
# layout, the list buttons, the drive picker, and a backup by the button.
. "$(dirname "$0")/program-test.sh"
# Saved settings, so that start-up leaves every button enabled.
printf '[Options]\r\nFirst=0\r\n' > "$QV_PROGRAM_DIR/Settings.ini"

# expect_eventually WANTED COMMAND...: polls a qvdrive command until it prints WANTED.
expect_eventually() {
  local wanted=$1 got
  shift
  for _ in $(seq 100); do
    got=$(qv_drive "$@")
    [ "$got" = "$wanted" ] && return 0
    sleep 0.05
  done
  fail "$* gave '$got', not '$wanted'"
}

# pixel NAME: the colour in the middle of a control, as the screen shows it.
pixel() {
  local x y w h
  read -r x y w h < <(qv_drive screen-rect "$1")
  import -display "$DISPLAY" -window root png:- |
    convert png:- -crop "1x1+$((x + w / 2))+$((y + h / 2))" -format '%[hex:p{0,0}]' info:-
}

qv_program_start
qv_drive wait-window

# Positions and sizes as laid out (labels size themselves to their text, so not their width).
while read -r name parent left top width height; do
  read -r got_parent got_left got_top got_width got_height < <(qv_drive rect "$name")
  [ "$got_parent $got_left $got_top $got_height" = "$parent $left $top $height" ] ||
    fail "$name at $got_parent $got_left $got_top ${got_width}x$got_height"
  case $name in Label*) ;; *) [ "$got_width" = "$width" ] || fail "$name is $got_width wide" ;; esac
done << 'LAYOUT'
GroupBox2 Quorvel 8 8 321 217
Label2 GroupBox2 13 16 292 12
DriveLetter GroupBox2 16 32 121 20
btn_opendir Quorvel 152 42 25 17
Label1 GroupBox2 16 72 258 12
CopyTo GroupBox2 16 88 257 20
btn_opendir2 GroupBox2 280 90 25 17
cb_use_wait GroupBox2 16 122 145 17
wait_interval GroupBox2 168 120 73 20
Label4 GroupBox2 248 123 29 12
cb_backup_timer GroupBox2 16 152 137 17
int_backup_timer GroupBox2 168 152 73 20
Label5 GroupBox2 248 155 44 12
cb_visible GroupBox2 16 184 153 17
GroupBox1 Quorvel 8 224 321 105
log GroupBox1 8 16 305 81
GroupBox3 Quorvel 336 8 329 321
Label3 GroupBox3 8 16 161 12
ListBox1 GroupBox3 8 32 313 265
addDir GroupBox3 8 296 89 20
btn_add GroupBox3 98 297 67 19
btn_remove GroupBox3 166 297 75 19
btn_removeall GroupBox3 248 297 75 19
btn_save Quorvel 8 336 77 25
BTN_UnInst Quorvel 96 336 75 25
btn_Version Quorvel 184 336 77 25
BTN_manual_backup Quorvel 272 336 75 25
ProgressBar1 Quorvel 512 336 150 25
LAYOUT
read -r _ _ w h < <(qv_drive screen-rect log)
[ "$(qv_drive screen-rect Quorvel | cut -d' ' -f3)" -gt 670 ] || fail "the window is narrower than its client area"
[ "$(qv_drive get cb_visible)" = "起動時フォーム表示" ] || fail "check box caption"
[ "$(qv_drive checked cb_visible)" = 1 ] || fail "cb_visible starts ticked"
[ "$(qv_drive enabled wait_interval)" = 0 ] || fail "wait_interval starts disabled"
qv_drive wait-log RAMDiskへ移動完了

# The list buttons.
qv_drive set addDir work
qv_drive click btn_add
qv_drive set addDir ' '
qv_drive click btn_add
qv_drive click btn_add
[ "$(qv_drive items ListBox1 | od -c | head -2)" = "$(printf 'work\n \n' | od -c | head -2)" ] || fail "Add"
[ "$(qv_drive get addDir)" = "" ] || fail "Add empties the field"
qv_drive select ListBox1 0
qv_drive click btn_remove
[ "$(qv_drive items ListBox1)" = " " ] || fail "Remove"
qv_drive click btn_removeall
[ -z "$(qv_drive items ListBox1)" ] || fail "RemoveAll"

# The check box enables its field.
qv_drive tick cb_use_wait on
expect_eventually 1 enabled wait_interval
qv_drive tick cb_use_wait off
expect_eventually 0 enabled wait_interval

# The drive picker: a root is taken, a folder is refused in red with a log line.
qv_drive click btn_opendir
qv_drive folder 'R:\'
expect_eventually 'R:\' get DriveLetter
qv_drive click btn_opendir
qv_drive folder 'R:\work'
qv_drive wait-log ドライブレター入力に誤り
[ "$(qv_drive get DriveLetter)" = 'R:\' ] || fail "a refused pick changed DriveLetter"
[ "$(pixel DriveLetter)" = FF0000 ] || fail "DriveLetter is not red"
qv_drive click btn_opendir
qv_drive folder-cancel
qv_drive click btn_opendir
qv_drive folder 'R:\'
for _ in $(seq 50); do [ "$(pixel DriveLetter)" = FFFFFF ] && break; sleep 0.1; done
[ "$(pixel DriveLetter)" = FFFFFF ] || fail "an accepted pick did not clear the red"

# The backup button copies a listed folder from the RAM disk.
mkdir -p "$RAM/work/サブ" "$DISK/bk"
printf 'A' > "$RAM/work/a.txt"
printf 'ソース' > "$RAM/work/サブ/表示.txt"
qv_drive set CopyTo 'D:\bk'
qv_drive set addDir work
qv_drive click btn_add
qv_drive click BTN_manual_backup
qv_drive wait-log RAMDiskのバックアップ完了
qv_drive log | grep -q 'RAMDiskのバックアップ中です...$' || fail "opening line"
diff -r "$RAM/work" "$DISK/bk/work" || fail "backup differs"

qv_program_close || fail "the program did not end on close"
echo "PASS: main window"
