#!/usr/bin/env bash
# Every test: the native unit tests, again under AddressSanitizer and UndefinedBehaviorSanitizer, a
# bounded fuzzing run of the settings reader, then the Windows builds with their file checks and Wine
# tests. Wine is shut down at the end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/setup.sh
trap "tools/wine/wine-stop.sh; BREVANTIX_WINE_BITS=64 tools/wine/wine-stop.sh" EXIT
for preset in native native-sanitize fuzz win32 win64-calls; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
# The benchmarks are run by tools/bench/run.sh; here they only have to build.
echo "== bench (build only)"
cmake --preset bench >/dev/null
cmake --build --preset bench
