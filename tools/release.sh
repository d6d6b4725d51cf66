#!/usr/bin/env bash
# Builds the release: picoron.exe for 32-bit Windows, stripped, in
# build/release/, and reports its size.
set -euo pipefail
. "$(dirname "$0")/common.sh"
# The program alone: the release tree builds no test programs.
windows_tree release-win32 i686 -DPICORON_GOOGLETEST_SOURCES=
mkdir -p "$BUILD/release"
i686-w64-mingw32-strip -o "$BUILD/release/picoron.exe" "$BUILD/release-win32/win/picoron.exe"
echo "$BUILD/release/picoron.exe: $(stat -c %s "$BUILD/release/picoron.exe") bytes"
