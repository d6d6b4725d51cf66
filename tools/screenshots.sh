#!/usr/bin/env bash
# Takes the README's pictures from the real program: picoron under Wine on a
# virtual display, with sample entries, the hide toggle down, and the editor
# opened on an entry. Writes docs/main-window.png, docs/tool-tip.png and
# docs/editor-window.png.
set -euo pipefail
. "$(dirname "$0")/common.sh"
windows_tree win64 x86_64
exe=$BUILD/win64/win/picoron.exe
drive() { /usr/lib/wine/wine64 "$BUILD/win64/tests/e2e/drive_picoron.exe" "$@"; }

trap stop_wine_session EXIT
start_xvfb
wine_env "$BUILD/wine-shot-prefix"
prepare_prefix
rm -f "$BUILD/win64/win/picoron.ini"  # the designed geometry
window=$(start_picoron "$exe")
drive copy "議事録は共有フォルダに置きました。" "https://example.com/picoron" \
  $'東京都千代田区丸の内1-1-1\r\n〒100-0005' "クリップボードの履歴" "こんにちは、ピコロン！"
drive press-toggle
mkdir -p "$ROOT/docs"
import -window "$window" "$ROOT/docs/main-window.png"
drive hover 3
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "$((WIDTH + 120))x$((HEIGHT + 60))+$X+$Y" +repage "$ROOT/docs/tool-tip.png"
drive open-editor 3
editor=$(xdotool search --onlyvisible --name 'ノトポン' | head -n 1)
import -window "$editor" "$ROOT/docs/editor-window.png"
echo "written: docs/main-window.png docs/tool-tip.png docs/editor-window.png"
