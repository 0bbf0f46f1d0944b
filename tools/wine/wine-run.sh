#!/usr/bin/env bash
# Runs a Windows program under the build tree's Wine prefix, creating the prefix first if need be.
# Exits 77 (skipped) where 32-bit Wine cannot run.
set -euo pipefail
here=$(dirname "$0")
"$here/wine-prefix.sh"
source "$here/wine-env.sh"
exec timeout 300 "$WINELOADER" "$@"
