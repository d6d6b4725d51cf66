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

# Creates the prefix if it is missing, configures it once, and waits until
# Wine has finished, so the first test does not pay for it.
#
# The virtual display has no window manager, so Wine manages the windows
# itself: it draws their frames as Windows does, and hiding a window does not
# wait two seconds for a window manager that never answers. The Japanese
# fonts that picoron asks for by name are mapped to the IPA fonts, and Wine's
# own Marlett, which draws the caption buttons, is put where Wine finds it.
PREFIX_STAMP=.picoron-prefix-v3
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/$PREFIX_STAMP" ]; then
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    local reg="/usr/lib/wine/wine64 reg add"
    $reg 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    local fonts='HKCU\Software\Wine\Fonts\Replacements'
    $reg "$fonts" /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null 2>&1
    $reg "$fonts" /v 'MS PGothic' /d 'IPAPGothic' /f >/dev/null 2>&1
    $reg "$fonts" /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null 2>&1
    $reg "$fonts" /v 'MS Gothic' /d 'IPAGothic' /f >/dev/null 2>&1
    $reg "$fonts" /v 'MS UI Gothic' /d 'IPAPGothic' /f >/dev/null 2>&1
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$WINEPREFIX/$PREFIX_STAMP"
  fi
  /usr/lib/wine/wineserver -w
}

# Starts picoron.exe in the background and prints the X window id of its main
# window once that is visible.
start_picoron() {
  /usr/lib/wine/wine64 "$1" >/dev/null 2>&1 &
  local window
  for _ in $(seq 1 150); do
    window=$(xdotool search --onlyvisible --name 'Ver1\.0' 2>/dev/null | head -n 1)
    if [ -n "$window" ]; then
      echo "$window"
      return 0
    fi
    sleep 0.2
  done
  echo "picoron's window did not appear" >&2
  return 1
}
