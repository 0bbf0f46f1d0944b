#!/usr/bin/env bash
# The main job: builds the player's package (dist/) and shows the plugin at work in the stand-in
# host under Wine: refused by an unsupported build, then with the shipped settings file, then with a
# small edited one.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"

tools/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32

rm -rf dist && mkdir -p dist
cp build/win32/src/Brevantix.asi build/win32/tools/check/brevantix-check.exe package/Brevantix.ini \
   package/README.txt dist/
echo "player's package:"; ls -l dist

# What the settings checker tells a modder about the edited example (its warnings exit 1).
cmake --preset native >/dev/null
cmake --build --preset native --target brevantix-check >/dev/null
echo; echo "== brevantix-check on an edited Brevantix.ini"
build/native/tools/check/brevantix-check tools/main-job/edited-example.ini || [ $? -eq 1 ]

source tools/wine/wine-env.sh
if ! wine_runs; then
  echo "cannot show the plugin at work: $(wine_unavailable_reason)" >&2
  exit 1
fi
trap tools/wine/wine-stop.sh EXIT

stage=$(mktemp -d)
cp build/win32/tools/standin-host/standin-host.exe dist/Brevantix.asi "$stage/"
show() {
  echo; echo "== $1"
  (cd "$stage" && "$root/tools/wine/wine-run.sh" standin-host.exe --plugin Brevantix.asi "${@:2}") | tr -d '\r'
}
show "an unsupported build of the game (the table before the plugin)" --entry-point 270CB4
cp dist/Brevantix.ini "$stage/"
show "the supported build with the shipped Brevantix.ini"
cp tools/main-job/edited-example.ini "$stage/Brevantix.ini"
show "the supported build with an edited Brevantix.ini"
rm -rf "$stage"
