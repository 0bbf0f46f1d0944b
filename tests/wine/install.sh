#!/usr/bin/env bash
# The whole job through the stand-in host: what a settings file beside the plugin puts into the
# host's track table, every field its own buffer, the page's protection as it was.
source "$(dirname "$0")/host-bench.sh"

# A refused load shows the host's stock texts.
new_case stock; run_host --entry-point 0
stock=$(field_texts)

new_case no-settings-file
run_host --pointers
expect_line "load	accepted"
expect_count "field	.*	plugin	" 104
[ "$(grep '^field' "$Report" | cut -f6 | sort -u | wc -l)" -eq 104 ] \
  && pass "every field points to a buffer of its own" || fail "fields share buffers"
[ "$(field_texts)" = "$stock" ] \
  && pass "without a settings file every field holds its default" || fail "defaults differ from the stock texts"

for protection in readonly execute-read readwrite execute-readwrite; do
  new_case "protect-$protection"
  run_host --protect "$protection"
  before=$(grep '^protect' "$Report" | cut -f2); after=$(grep '^protect' "$Report" | cut -f3)
  [ -n "$before" ] && [ "$before" = "$after" ] && pass "$protection: protection $before kept" \
    || fail "$protection: protection $before became $after"
  expect_count "field	.*	plugin$" 104
done

new_case edited
write_ini '\xEF\xBB\xBF; a modder'"'"'s file\r\n[Song3]\r\nArtist = Someone Else\r\n[Song1]\r\nTitle = "My Song"\r\nAlbum = A ; comment\r\nPlayIn = XY // note\r\n[song2]\r\nTitle = wrong case\r\n[Song2]\r\ntitle = wrong case\r\n[Song27]\r\nTitle = no such slot\r\n[Song4]\r\nComposer = no such key\r\nTitle = "Semi;colon"\r\n'
run_host
expect_field 1 Title "My Song" plugin
expect_field 1 Album "A" plugin
expect_field 1 PlayIn "XY" plugin
expect_field 3 Artist "Someone Else" plugin
expect_field 3 Title '"Redline Heart"' plugin
expect_field 2 Title '"Asphalt Hymn"' plugin
expect_field 4 Title 'Semi' plugin  # the ";" cut the value, the lookup took its opening quote
expect_field 26 Title '"Credits Roll"' plugin

new_case beside-the-plugin-only
write_ini '[Song1]\nTitle=Beside the plugin\n'
printf '[Song1]\nTitle=Beside the game\n' > "$Case/game/Brevantix.ini"
printf '[Song1]\nTitle=In the current folder\n' > "$Case/elsewhere/Brevantix.ini"
run_host
expect_field 1 Title "Beside the plugin" plugin
finish
