#!/usr/bin/env bash
# The settings checker's table against what the plugin really installs: for the same file, its field
# lines and the stand-in host's agree byte for byte in slot, key and text. Needs CHECK as well.
source "$(dirname "$0")/host-bench.sh"

compare_with_check() {  # after run_host: the checker on the same settings file
  local ini="$Case/plugins/Brevantix.ini" status
  (cd "$Case/elsewhere" && "$WINE_RUN" "$CHECK" --tsv "$(windows_path "$ini")") > "$Case/check.raw" 2> "$Case/check.err"
  status=$?
  [ $status -le 1 ] || fail "$(basename "$Case"): the checker exited with $status: $(cat "$Case/check.err")"
  tr -d '\r' < "$Case/check.raw" | grep '^field' | cut -f2-4 > "$Case/check.fields"
  field_texts > "$Case/host.fields"
  [ "$(wc -l < "$Case/host.fields")" -eq 104 ] && cmp -s "$Case/check.fields" "$Case/host.fields" \
    && pass "$(basename "$Case"): the checker's 104 texts are the plugin's" \
    || fail "$(basename "$Case"): the checker and the plugin differ: $(diff "$Case/check.fields" "$Case/host.fields" | head)"
}

new_case shipped-sample
cp "$(dirname "$0")/../../package/Brevantix.ini" "$Case/plugins/Brevantix.ini"
run_host
compare_with_check

new_case edited
write_ini '\xEF\xBB\xBF[Song1]\r\nTitle = "My Song"\r\nArtist = '"'"'\r\nAlbum = ""\r\n[song2]\r\nTitle = case\r\n[Song3] x\r\n[Song4]\r\nTitle = "Semi;colon"\r\nPlayIn = XY // note\r\nPlayIn = again\r\n'
run_host
compare_with_check
finish
