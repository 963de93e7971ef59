#!/usr/bin/env bash
# release-check.sh quorvel.exe: the release is a 32-bit GUI program that needs no DLL beyond
# Windows' own, with its manifest and version record.
set -eu
exe=$1
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
file -b "$exe" | grep -q '^PE32 executable (GUI) Intel 80386' || fail "not a PE32 GUI program: $(file -b "$exe")"
windows_dlls=' ADVAPI32.dll COMCTL32.DLL GDI32.dll KERNEL32.dll MPR.DLL msvcrt.dll SHELL32.dll USER32.dll '
imports=$(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p')
for dll in $imports; do
  case "$windows_dlls" in *" $dll "*) ;; *) fail "imports $dll" ;; esac
done
strings -a "$exe" | grep -q 'requestedExecutionLevel level="asInvoker"' || fail "no asInvoker manifest"
strings -a "$exe" | grep -q 'Microsoft.Windows.Common-Controls" version="6.0.0.0"' || fail "no common controls 6"
strings -a -el "$exe" | grep -qx '1.0.0.0' || fail "no ProductVersion string"
strings -a -el "$exe" | grep -qx '041103A4' || fail "no Japanese, code page 932 string table"
echo "$exe: $(file -b "$exe")"
echo "imports:" $imports
