#!/usr/bin/env bash
# Performance: the settings reader's whole life against inih's parse and SimpleIni's LoadData, natively
# in release mode, then what attaching the plugin costs the game under Wine against an empty DLL.
# Arguments go to the reader benchmark (for example --benchmark_filter=16MiB).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

tools/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
cmake --preset win32 >/dev/null
cmake --build --preset win32

reader=build/bench/benchmarks/reader/reader-benchmark
echo; echo "== The settings reader, natively, with the machine's own page size"
"$reader" "$@"
# Where page faults are dear, huge pages for the C library's heap let every contender pay a usual
# machine's price for fresh memory.
echo; echo "== The same, with transparent huge pages for the C library's heap"
GLIBC_TUNABLES=glibc.malloc.hugetlb=1 "$reader" "$@"

echo; echo "== Attaching the plugin under Wine, against an empty DLL"
source tools/wine/wine-env.sh
if ! wine_runs; then
  echo "not measured here: $(wine_unavailable_reason)"
  exit 0
fi
stage=$(mktemp -d)
trap 'rm -rf "$stage"; tools/wine/wine-stop.sh' EXIT
attach=build/win32/benchmarks/attach
for case in sample 1MiB; do
  mkdir -p "$stage/$case"
  cp build/win32/src/Brevantix.asi "$attach/EmptyPlugin.asi" "$attach/attach-benchmark.exe" "$stage/$case/"
done
cp package/Brevantix.ini "$stage/sample/"
build/bench/benchmarks/reader/make-settings 1048576 > "$stage/1MiB/Brevantix.ini"
for case in sample 1MiB; do
  printf '%-28s' "with the $case Brevantix.ini:"
  (cd "$stage/$case" && "$root/tools/wine/wine-run.sh" attach-benchmark.exe Brevantix.asi EmptyPlugin.asi 31) \
    | tr -d '\r'
done
