#!/usr/bin/env bash
# Whatever sits beside the plugin, the game starts: for each bad settings file the load is accepted,
# every field holds a text (the default, or what the rules give), the table's page protection is as
# it was and the host lives on to report. Needs HOLD (hold-file.exe) and CHECK (brevantix-check.exe).
# A plugin folder deeper than MAX_PATH cannot be loaded by LoadLibraryA at all; the config-path test
# loads a library from one by wide path.
source "$(dirname "$0")/host-bench.sh"

new_case stock; run_host --entry-point 0
stock=$(field_texts)

expect_survived() {
  expect_line "load	accepted"
  expect_count "field	.*	plugin$" 104
  local before after
  before=$(grep '^protect' "$Report" | cut -f2); after=$(grep '^protect' "$Report" | cut -f3)
  [ -n "$before" ] && [ "$before" = "$after" ] && pass "$(basename "$Case"): protection kept" \
    || fail "$(basename "$Case"): protection $before became $after"
}
expect_defaults() {
  [ "$(field_texts)" = "$stock" ] && pass "$(basename "$Case"): every field holds its default" \
    || fail "$(basename "$Case"): a field is not its default"
}
# What the plugin's own rules give for the file, as the settings checker computes them.
expect_as_checked() {
  (cd "$Case/elsewhere" && "$WINE_RUN" "$CHECK" --tsv "$(windows_path "$Case/plugins/Brevantix.ini")") \
    | tr -d '\r' | grep '^field' | cut -f2-4 > "$Case/checked"
  [ "$(field_texts)" = "$(cat "$Case/checked")" ] && pass "$(basename "$Case"): every field as the rules give" \
    || fail "$(basename "$Case"): fields differ from the rules: $(diff <(field_texts) "$Case/checked" | head -4)"
}
# hold MODE: runs the host while another program holds the settings file open for writing.
run_host_while_held() {
  local ini="$Case/plugins/Brevantix.ini" stop="$Case/stop"
  cp "$HOLD" "$Case/hold-file.exe"
  "$WINE_RUN" "$Case/hold-file.exe" "$(windows_path "$ini")" "$1" "$(windows_path "$stop")" > "$Case/hold.out" &
  local holder=$! waited=0
  until grep -q held "$Case/hold.out" 2>/dev/null || [ $waited -ge 600 ]; do sleep 0.1; waited=$((waited + 1)); done
  grep -q held "$Case/hold.out" || fail "$(basename "$Case"): the file could not be held"
  run_host
  touch "$stop"
  wait "$holder"
}

new_case no-file; run_host; expect_survived; expect_defaults
new_case empty-file; write_ini ''; run_host; expect_survived; expect_defaults
new_case first-byte-0x1A; write_ini '\x1A[Song1]\nTitle=hidden\n'; run_host; expect_survived; expect_defaults

new_case random-bytes
RANDOM=20261211
for _ in $(seq 256); do
  chunk=""; for _ in $(seq 256); do printf -v byte '\\x%02x' $((RANDOM % 256)); chunk+=$byte; done
  printf "$chunk"
done > "$Case/plugins/Brevantix.ini"
run_host; expect_survived; expect_as_checked

new_case junk-16MiB
{ yes 'junk = line ; with a comment // and [brackets] "quotes' | head -c 16777216; printf '\n[Song1]\nTitle = after the junk\n'; } \
  > "$Case/plugins/Brevantix.ini"
run_host; expect_survived; expect_field 1 Title "after the junk" plugin; expect_as_checked

new_case line-of-8MiB
{ printf 'Key='; head -c 8388608 /dev/zero | tr '\0' 'v'; } > "$Case/plugins/Brevantix.ini"
run_host; expect_survived; expect_defaults

new_case folder-in-place-of-the-file; mkdir "$Case/plugins/Brevantix.ini"; run_host; expect_survived; expect_defaults

new_case held-shared; write_ini '[Song1]\nTitle = Held open\n'; run_host_while_held shared
expect_survived; expect_field 1 Title "Held open" plugin

new_case held-unshared; write_ini '[Song1]\nTitle = Held open\n'; run_host_while_held exclusive
expect_survived; expect_defaults
finish
