#!/usr/bin/env bash
# brevantix-check as a modder runs it: exit status, messages and the table's shape.
# Usage: check-tool.sh TOOL [RUNNER...]; with a runner (the Wine wrapper) paths are given the Windows way.
set -uo pipefail
tool=$1; shift
runner=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
hex() { printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n'; }
tool_path() { if [ ${#runner[@]} -gt 0 ]; then printf 'Z:%s' "${1//\//\\}"; else printf '%s' "$1"; fi; }

run() {  # run ARGS...: the tool's output in out and err, line ends as LF, its exit status in status
  "${runner[@]}" "$tool" "$@" > out.raw 2> err.raw
  status=$?
  [ $status -eq 77 ] && [ ${#runner[@]} -gt 0 ] && { cat out.raw; exit 77; }
  tr -d '\r' < out.raw > out; tr -d '\r' < err.raw > err
}
expect_status() { [ "$status" -eq "$1" ] && pass "$2: exit $1" || fail "$2: exit $status, not $1: $(cat err)"; }
expect_grep() { grep -qF -- "$1" "$2" && pass "$3" || fail "$3: no '$1' in $2: $(head -c 2000 "$2")"; }
expect_count() { local n; n=$(grep -c -- "$1" out); [ "$n" -eq "$2" ] && pass "$3" || fail "$3: $n lines, not $2"; }

run missing.ini
expect_status 2 "missing file"
expect_grep 'cannot read the settings file "missing.ini"' err "missing file: the message names the path"
expect_grep 'every default' err "missing file: the message says what the plugin does"

mkdir folder.ini
run folder.ini
expect_status 2 "a folder in place of the file"

printf '\xEF\xBB\xBF[Song1]\r\nTitle = "My Song"\r\n' > Brevantix.ini
run
expect_status 0 "clean file in the current folder, by default"
expect_grep "Brevantix.ini: no warnings" out "clean file: says so"
expect_count ' \(configured\|default\)$' 104 "clean file: a row for every field"
expect_grep "$(printf '1    Title   %-32s configured' 'My Song')" out "clean file: the configured title"

mkdir -p "other folder"
printf '[song1]\nTitle = lower\n[Song2]\nTitle = "a; b"\nTitle = again\n' > "other folder/mine.ini"
run --tsv "$(tool_path "$work/other folder/mine.ini")"
expect_status 1 "file with warnings, by its full path"
expect_count '^warning	' 3 "file with warnings: one line each"
expect_grep "$(printf 'warning\t1\tsection-case\t%s\t' "$(hex '[song1]')")" out "file with warnings: line and text"
expect_count '^field	' 104 "file with warnings: every field"
expect_grep "$(printf 'field\t2\tTitle\t%s\tconfigured' "$(hex 'a')")" out "file with warnings: the cut title"
expect_grep "$(printf 'field\t1\tTitle\t%s\tdefault' "$(hex '"Neon Overdrive"')")" out "file with warnings: a default"

run --tsv --tsv
expect_status 2 "a repeated option"
expect_grep "usage: brevantix-check" err "a repeated option: the usage"

echo "$failures failed"
[ "$failures" -eq 0 ]
