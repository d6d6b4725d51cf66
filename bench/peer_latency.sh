#!/usr/bin/env bash
# Capture latency of picoron against a peer, CopyQ, measured the same way for
# both: from xclip setting the X clipboard to the text being in the tool's
# history (picoron: entry box 1 holds it; CopyQ: its item 0 holds it).
# Each tool runs alone on a virtual display; medians in milliseconds. (The
# runs write to files: a coprocess's descriptors do not reach a subshell.)
set -euo pipefail
. "$(dirname "$0")/../tools/common.sh"
windows_tree win64 x86_64 -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/tools/wine-exec"
command -v copyq >/dev/null || { apt-get install -y -qq copyq >/dev/null; }

work=$(mktemp -d)
cleanup() {
  LANG=C.UTF-8 LC_ALL=C.UTF-8 copyq exit >/dev/null 2>&1 || true
  stop_wine_session
  rm -rf "$work"
}
trap cleanup EXIT
start_xvfb
wine_env "$BUILD/wine-bench-prefix"
prepare_prefix

now_ms() { echo $(($(date +%s%N) / 1000000)); }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# A text of SIZE bytes that begins with a PREFIX no earlier run used.
make_text() { { printf '%s' "$2"; head -c "$(($1 > ${#2} ? $1 - ${#2} : 0))" /dev/zero | tr '\0' 'x'; } | head -c "$1" >"$3"; }
runs_for() { if [ "$1" -ge 10000000 ]; then echo 5; else echo 21; fi; }
sizes="10 10000 100000 1000000 10000000"

# Times TOOL at every size: sets the X clipboard to a text with a prefix no
# earlier run used, then runs HOLDS SIZE PREFIX, which returns once the tool
# holds that text.
measure() {
  local tool=$1 letter=$2 holds=$3 size run prefix start
  for size in $sizes; do
    for run in $(seq 1 "$(runs_for "$size")"); do
      prefix="${letter}${run}S${size}"
      make_text "$size" "$prefix" "$work/text"
      start=$(now_ms)
      xclip -selection clipboard -i "$work/text" >/dev/null 2>&1  # it stays to serve the text
      "$holds" "$size" "$prefix"
      echo $(($(now_ms) - start)) >>"$work/$tool-$size"
    done
    printf '%-7s %10s bytes: %6s ms\n' "$tool" "$size" "$(median <"$work/$tool-$size")"
  done
}

echo "== picoron"
window=$(start_picoron "$BUILD/win64/win/picoron.exe")
coproc WATCH { /usr/lib/wine/wine64 "$BUILD/win64/tests/e2e/drive_picoron.exe" watch-box1 2>/dev/null; }
picoron_holds() {
  echo "$1 $2" >&"${WATCH[1]}"
  read -r answer <&"${WATCH[0]}"
  [ "${answer%$'\r'}" = ok ] || { echo "picoron did not capture $1 bytes" >&2; exit 1; }
}
measure picoron P picoron_holds
/usr/lib/wine/wineserver -k >/dev/null 2>&1 || true

# CopyQ runs in a neutral locale: in the Japanese one that Wine needs, its
# clipboard monitor records nothing on the virtual display.
cq() { LANG=C.UTF-8 LC_ALL=C.UTF-8 copyq "$@"; }
echo "== copyq $(cq --version 2>/dev/null | head -n 1)"
cq >/dev/null 2>&1 &
# Ready once its clipboard monitor has recorded a first text: a new one each
# time, since CopyQ ignores a text equal to what the clipboard held before.
ready=
for attempt in $(seq 1 300); do
  xclip -selection clipboard -i <<<"copyq-ready-$attempt" >/dev/null 2>&1
  if [ "$(cq read 0 2>/dev/null)" = "copyq-ready-$attempt" ]; then ready=1; break; fi
  sleep 0.1
done
if [ -z "$ready" ]; then
  echo "CopyQ recorded no clipboard text on the virtual display within 30 s" >&2
  exit 1
fi
# One client asks CopyQ every millisecond from inside, rather than a new
# client process per question; what one client call costs is printed too.
start=$(now_ms)
for _ in $(seq 1 10); do cq read 0 >/dev/null 2>&1; done
echo "copyq client round trip: $((($(now_ms) - start) / 10)) ms"
copyq_holds() {
  cq eval -- "while (str(read(0)).substring(0, ${#2}) != '$2') sleep(1)" >/dev/null 2>&1
}
measure copyq C copyq_holds
