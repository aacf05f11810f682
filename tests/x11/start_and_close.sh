#!/usr/bin/env bash
# start_and_close.sh PROGRAM OUT_DIR
# Starts the program on $DISPLAY: its window has the fixed client size, asks
# the window manager for exactly that size, is not blank, and its number
# field shows today's day count; then Esc closes it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_driver.sh"

program=$1
out=${2:-.}/start_and_close
require_display_and_tools xprop
rm -rf "$out"

# Days since 30 December 1899 (day 25569 is 1 January 1970) of the local date.
day_count() { echo $(( $(date -u -d "$(date +%F) 00:00" +%s) / 86400 + 25569 )); }
today_before=$(day_count)
start_program "$program" "$out"
shown=$(read_field)
today_after=$(day_count)
[ "$shown" = "$today_before" ] || [ "$shown" = "$today_after" ] ||
  fail "at start the field shows $shown, today's day count is $today_after"

xdotool key Tab
rest_pointer
screenshot "$out/start.png"
spread=$(convert "$out/start.png" -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || fail "the window is blank (deviation $spread)"

hints=$(xprop -id "$window" WM_NORMAL_HINTS)
grep -q "minimum size: 1112 by 656" <<<"$hints" && grep -q "maximum size: 1112 by 656" <<<"$hints" ||
  fail "the window does not fix its size at 1112 by 656: $hints"

close_with_esc
rm -rf "$out"
echo "PASS: $WINDOW_SIZE, day count $shown, deviation $spread, fixed size, closed by Esc"
