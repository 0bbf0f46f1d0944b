#!/usr/bin/env bash
# Shuts the prefix's wineserver down, so nothing stays running after the tests.
source "$(dirname "$0")/wine-env.sh"
command -v wineserver >/dev/null && wineserver -k 2>/dev/null
exit 0
