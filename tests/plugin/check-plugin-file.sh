#!/usr/bin/env bash
# The plugin file as a game folder receives it: a 32-bit PE for i386, importing only system DLLs
# (the runtime is linked in), exporting nothing, and small.
set -uo pipefail
plugin=$1 objdump=$2
failures=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAILED: $1"; failures=$((failures + 1)); fi; }

headers=$("$objdump" -p "$plugin")
check "PE32 for i386" 'grep -q "file format pei-i386" <<<"$headers" && grep -q "^Magic[[:space:]]*010b" <<<"$headers"'
imports=$(grep 'DLL Name:' <<<"$headers" | awk '{print $3}' | sort | tr '\n' ' ')
echo "imports: $imports"
check "imports only KERNEL32.dll, USER32.dll and msvcrt.dll" \
  '[ -z "$(grep "DLL Name:" <<<"$headers" | awk "{print \$3}" | grep -vixE "KERNEL32.dll|USER32.dll|msvcrt.dll")" ]'
check "exports nothing" \
  '! grep -q "Export Address Table" <<<"$headers" || grep -qE "^[[:space:]]*Export Address Table[[:space:]]+0+$" <<<"$headers"'
size=$(stat -c %s "$plugin")
echo "size: $size bytes"
check "at most 256 KiB" '[ "$size" -le 262144 ]'
echo "$failures failed"
[ "$failures" -eq 0 ]
