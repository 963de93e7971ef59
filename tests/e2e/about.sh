#!/usr/bin/env bash
# about.sh STATE_DIR quorvel.exe qvdrive.exe: the about window's fade read back from Wine, the
# program's version record, and the layout scaled at 125 % and 150 %.
. "$(dirname "$0")/program-test.sh"
desktop='HKCU\Control Panel\Desktop'
set_dpi() { "$WINE" reg add "$desktop" /v LogPixels /t REG_DWORD /d "$1" /f > /dev/null 2>&1 < /dev/null; }
trap 'set_dpi 96; qv_test_cleanup' EXIT
printf '[Options]\r\nFirst=0\r\n' > "$QV_PROGRAM_DIR/Settings.ini"

# The version record of the program file.
version=$(qv_drive version "$("$WINE" winepath -w "$QV_PROGRAM_DIR/quorvel.exe" 2> /dev/null < /dev/null | tr -d '\r')")
for line in 'fixed file 1.3.5.2' 'fixed product 1.3.5.2' 'translation 041103a4' 'FileVersion=1.3.5.2' \
  'ProductVersion=1.0.0.0' 'ProductName=' 'FileDescription='; do
  printf '%s\n' "$version" | grep -qxF "$line" || fail "version record: no '$line' in: $version"
done
printf '%s\n' "$version" | grep -q '^CompanyName=.' || fail "no company in the version record"
echo "ok: version record"

# The fade: OK lowers the opacity in steps and hides the window at the end, opaque again.
qv_program_start
qv_drive wait-window
[ "$(qv_drive visible VersionInfo)" = 0 ] || fail "the about window starts shown"
qv_drive click btn_Version
[ "$(qv_drive visible VersionInfo)" = 1 ] || fail "VersionInfo did not show it"
[ "$(qv_drive alpha VersionInfo)" = 255 ] || fail "not opaque when shown"
qv_drive click VersionInfo.btn_feedout
seen=""
for _ in $(seq 100); do
  [ "$(qv_drive visible VersionInfo)" = 1 ] || break
  alpha=$(qv_drive alpha VersionInfo)
  case " $seen " in *" $alpha "*) ;; *) seen="$seen $alpha" ;; esac
  sleep 0.05
done
echo "opacities seen:$seen"
[ "$(qv_drive visible VersionInfo)" = 0 ] || fail "the fade did not hide the window"
[ "$(qv_drive alpha VersionInfo)" = 255 ] || fail "not opaque again after the fade"
printf '%s\n' $seen | awk '$1 > 0 && $1 < 255 && ($1 % 10) == 5 { n++ } END { exit n < 3 }' ||
  fail "no steps of the fade were seen: $seen"
qv_program_close || fail "the program did not end"
echo "ok: fade"

# The layout keeps its proportions at 125 % and 150 %.
for dpi in 120 144; do
  set_dpi "$dpi"
  qv_program_start
  qv_drive wait-window
  scale() { echo $((($1 * dpi + 48) / 96)); }
  for control in 'DriveLetter GroupBox2 16 32 121 20' 'btn_opendir Quorvel 152 42 25 17' \
    'ListBox1 GroupBox3 8 32 313 265' 'ProgressBar1 Quorvel 512 336 150 25'; do
    read -r name parent l t w h <<< "$control"
    want="$parent $(scale "$l") $(scale "$t") $(scale "$w") $(scale "$h")"
    [ "$(qv_drive rect "$name")" = "$want" ] || fail "$name at $dpi dpi: $(qv_drive rect "$name"), not $want"
  done
  qv_program_close || fail "the program did not end"
  echo "ok: $dpi dpi"
done
set_dpi 96
echo "PASS: about window, version record, dpi"
