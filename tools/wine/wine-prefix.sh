#!/usr/bin/env bash
# Creates the build tree's Wine prefix once: null graphics driver, so message boxes exist without a
# display, and no crash dialog, so a crash fails a test instead of waiting for a person.
# Exits 77 (skipped) where 32-bit Wine cannot run.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
if ! wine_runs; then
  echo "SKIP: $(wine_unavailable_reason)"
  exit 77
fi
[ -f "$WINEPREFIX/.brevantix-ready" ] && exit 0
mkdir -p "$WINEPREFIX"
timeout 600 "$WINELOADER" wineboot --init
timeout 120 "$WINELOADER" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
timeout 120 "$WINELOADER" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
timeout 120 wineserver -w
touch "$WINEPREFIX/.brevantix-ready"
