#!/usr/bin/env bash
# The test command: installs what is missing, builds the native tree and both
# Windows trees, runs every test (the Windows ones under Wine on a virtual
# display) and ends with one line: N passed, N failed.
set -euo pipefail
. "$(dirname "$0")/common.sh"

windows_tree win64 x86_64 -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/tools/wine-exec"
windows_tree win32 i686
build_tree native -DPICORON_WIN64_BUILD="$BUILD/win64" -DPICORON_WIN32_BUILD="$BUILD/win32"

# A file that the e2e suite can neither write nor replace: root may write any
# file under Wine, but not one marked immutable.
LOCKED_FILE=$(mktemp /tmp/picoron-locked-XXXXXX.txt)
printf 'kept\r\n' >"$LOCKED_FILE"
if chattr +i "$LOCKED_FILE" 2>/dev/null; then
  export PICORON_E2E_LOCKED_FILE=$LOCKED_FILE
else
  echo "note: chattr +i is not allowed here; the write-protected save test is skipped" >&2
fi

cleanup() {
  stop_wine_session
  chattr -i "$LOCKED_FILE" 2>/dev/null || true
  rm -f "$LOCKED_FILE"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
start_xvfb
# A fresh prefix every run, so no test sees what an earlier run left behind.
wine_env "$BUILD/wine-test-prefix"
rm -rf "$WINEPREFIX"
prepare_prefix

status=0
for tree in native win64; do
  rm -f "$BUILD/$tree"/test-results/*.xml
  echo "== tests: $tree"
  (cd "$BUILD/$tree" && ctest --output-on-failure --output-junit ctest-results.xml) || status=1
done
"$ROOT/tools/summarize-tests.py" "$BUILD/native" "$BUILD/win64" || status=1
exit $status
