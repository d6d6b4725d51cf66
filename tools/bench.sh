#!/usr/bin/env bash
# Runs the benchmarks behind BENCHMARKS.md: the core's micro-benchmarks
# natively, then capture latency, long entries, start-up and memory with the
# real picoron.exe under Wine, and the size of the release exe. Prints the
# figures, then the comparison with CopyQ; takes about twenty minutes.
set -euo pipefail
. "$(dirname "$0")/common.sh"
windows_tree win64 x86_64 -DCMAKE_CROSSCOMPILING_EMULATOR="$ROOT/tools/wine-exec"
build_tree native

echo "== core (native)"
"$BUILD/native/bench/core_bench" --benchmark_min_time=0.05

trap stop_wine_session EXIT
start_xvfb
wine_env "$BUILD/wine-bench-prefix"
prepare_prefix
for mode in latency big-entries startup memory; do
  echo "== $mode (Wine)"
  /usr/lib/wine/wine64 "$BUILD/win64/bench/wine/capture_bench.exe" "$mode"
done

echo "== release size"
"$ROOT/tools/release.sh" | tail -n 1

echo "== from the X clipboard, against CopyQ"
stop_wine_session
"$ROOT/bench/peer_latency.sh"
