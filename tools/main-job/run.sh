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
cp build/win32/src/Brevantix.asi package/Brevantix.ini package/README.txt dist/
echo "player's package:"; ls -l dist

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
