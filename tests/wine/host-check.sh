#!/usr/bin/env bash
# The host check through the stand-in host: only the supported entry point is accepted; every other
# is refused with exactly one error box and host memory untouched.
source "$(dirname "$0")/host-bench.sh"

Caption=$(hex "Brevantix")
Text=$(hex $'This .exe is not supported.\nPlease use v1.4 English tarvok.exe (3,03 MB (3.178.496 bytes)).')

new_case supported
run_host --entry-point 270CB5
expect_line "load	accepted"
expect_count "box" 0
expect_count "field	.*	plugin$" 104

for entry in 270CB4 270CB6 0 1270CB5 FF270CB5; do
  new_case "unsupported-$entry"
  write_ini '[Song1]\nTitle=Never read\n'
  run_host --entry-point "$entry"
  expect_line "load	refused"
  expect_count "box" 1
  expect_line "box	$Caption	$Text	error	OK"
  expect_line "protect	2	2"
  expect_count "field	.*	host$" 104
done
finish
