#!/usr/bin/env bash
# The run command: installs what is missing, builds picoron for x86_64
# Windows and starts it under Wine on the current X display.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${PICORON_BUILD:-$ROOT/build}
"$ROOT/tools/install-deps.sh"
. "$ROOT/tools/build.sh"
windows_tree win64 x86_64

if [ ! -f "$BUILD/win64/win/picoron.exe" ]; then
  echo "picoron's window is not built yet: only the platform-free core and its tests exist so far." >&2
  exit 1
fi
