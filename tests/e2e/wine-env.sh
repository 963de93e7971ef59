# Sourced by the scripts that run Windows programs under Wine.
# Wine: only the 64-bit loader runs here; LANG gives the ANSI code page 932.

export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
WINE=/usr/lib/wine/wine64

# qv_prefix_init PREFIX: makes the prefix when it is missing.
qv_prefix_init() {
  local prefix=$1
  if [ ! -f "$prefix/system.reg" ]; then
    mkdir -p "$prefix"
    WINEPREFIX=$prefix "$WINE" wineboot -i > /dev/null 2>&1 < /dev/null
    # Without a window manager every hide waits 2 s unless windows are unmanaged.
    WINEPREFIX=$prefix "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f > /dev/null 2>&1
    WINEPREFIX=$prefix "$WINESERVER" -w
  fi
}

# qv_xvfb_start STATE_FILE: a private display; its number and PID go to the state file.
qv_xvfb_start() {
  local state=$1 n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    if kill -0 "$pid" 2> /dev/null; then
      printf 'QV_DISPLAY=:%s\nQV_XVFB_PID=%s\n' "$n" "$pid" > "$state"
      return 0
    fi
  done
  echo "no free display for Xvfb" >&2
  return 1
}

# qv_xvfb_stop STATE_FILE: stops exactly the Xvfb that qv_xvfb_start recorded.
qv_xvfb_stop() {
  local state=$1
  [ -f "$state" ] || return 0
  # shellcheck disable=SC1090
  . "$state"
  [ -n "${QV_XVFB_PID:-}" ] && kill "$QV_XVFB_PID" 2> /dev/null
  rm -f "$state"
}

# qv_map_drive PREFIX LETTER TARGET: points a drive letter at a Linux folder.
qv_map_drive() {
  local link="$1/dosdevices/${2,,}:"
  rm -f "$link"
  ln -s "$3" "$link"
}
