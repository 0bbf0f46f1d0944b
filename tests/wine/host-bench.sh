# Sourced by the Wine tests: runs the stand-in host with the plugin in a folder of a case's own and
# checks its --tsv report. Needs HOST (standin-host.exe), PLUGIN (Brevantix.asi) and WINE_RUN.
set -uo pipefail

Failures=0
Work=$(mktemp -d)
trap 'rm -rf "$Work"' EXIT

hex() { printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n'; }
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

fail() { echo "FAILED: $*"; Failures=$((Failures + 1)); }
pass() { echo "ok: $*"; }

# new_case NAME: a game folder with the host, a plugin folder apart from it, and another current folder.
new_case() {
  Case="$Work/$1"
  mkdir -p "$Case/game" "$Case/plugins" "$Case/elsewhere"
  cp "$HOST" "$Case/game/standin-host.exe"
  cp "$PLUGIN" "$Case/plugins/Brevantix.asi"
}

# write_ini BYTES: the settings file beside the plugin, written byte for byte (printf escapes allowed).
write_ini() { printf "$1" > "$Case/plugins/Brevantix.ini"; }

# run_host [ARGS...]: runs the host from the other folder; the report lands in $Report.
run_host() {
  Report="$Case/report.tsv"
  local status
  (cd "$Case/elsewhere" && "$WINE_RUN" "$Case/game/standin-host.exe" --tsv \
      --plugin "$(windows_path "$Case/plugins/Brevantix.asi")" "$@") > "$Report.raw" 2> "$Case/stderr"
  status=$?
  [ $status -eq 77 ] && { cat "$Report.raw"; exit 77; }
  tr -d '\r' < "$Report.raw" > "$Report"
  [ $status -eq 0 ] || fail "$Case: the host exited with $status: $(cat "$Case/stderr")"
}

expect_line() {  # expect_line LINE: the report holds exactly this line
  grep -qxF -- "$1" "$Report" && pass "$(basename "$Case"): $1" || fail "$(basename "$Case"): no line '$1'"
}

expect_count() {  # expect_count PREFIX N
  local n; n=$(grep -c -- "^$1" "$Report")
  [ "$n" -eq "$2" ] && pass "$(basename "$Case"): $2 '$1' lines" || fail "$(basename "$Case"): $n '$1' lines, not $2"
}

# expect_field SLOT KEY TEXT OWNER
expect_field() { expect_line "$(printf 'field\t%s\t%s\t%s\t%s' "$1" "$2" "$(hex "$3")" "$4")"; }

# Slot, key and text of every field in the report.
field_texts() { grep '^field' "$Report" | cut -f2-4; }

finish() {
  echo "$Failures failed"
  [ "$Failures" -eq 0 ]
}
