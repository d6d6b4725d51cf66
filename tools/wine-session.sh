# Sourced by the test and run commands: a virtual X display and a Wine prefix
# with the Japanese code page, both stopped again when the caller exits.

wine_env() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # Wine takes the ANSI code page from the locale: 932 for Japanese.
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
}

# Starts Xvfb on a free display number and exports DISPLAY.
start_xvfb() {
  local fifo dir
  dir=$(mktemp -d)
  fifo=$dir/display
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  local number
  if ! read -r -t 20 number <"$fifo"; then
    rm -rf "$dir"
    echo "Xvfb did not start" >&2
    return 1
  fi
  rm -rf "$dir"
  export DISPLAY=":$number"
}

stop_wine_session() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
}

# Creates the prefix if it is missing and waits until Wine has finished
# setting it up, so the first test does not pay for it. The virtual display
# has no window manager, so Wine manages the windows itself: it draws their
# frames as Windows does, and hiding a window does not wait two seconds for
# a window manager that never answers.
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  fi
  /usr/lib/wine/wineserver -w
}
