#!/usr/bin/env bash
# spin_button.sh PROGRAM OUT_DIR
# The spin button beside the number field, with the mouse and the keys: a
# click on a half steps once, holding a half repeats (first after 400 ms, then
# every 100 ms) only while the pointer stays on it and stops on release, the
# ends of the range hold, a click leaves the keyboard focus in the field, and
# with the focus on the button (reached with Tab) Up, Down and Space click
# their halves.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_driver.sh"

program=$1
out=${2:-.}/spin_button
require_display_and_tools
rm -rf "$out"
start_program "$program" "$out"

set_number() { type_into_field "$1"; expect_field "$1" "typing $1"; }
number_now() { read_field || fail "could not read the number field"; }

# One click on each half: one step each way.
set_number 100
click_at "$SPIN_UP_AT";   expect_field 101 "one click on the up half"
click_at "$SPIN_DOWN_AT"; expect_field 100 "one click on the down half"
click_at "$SPIN_DOWN_AT"; click_at "$SPIN_DOWN_AT"
expect_field 98 "two clicks on the down half"
echo "ok: a click steps once"

# The click leaves the focus in the field: what is typed next goes there.
click_at "$FIELD_AT"
click_at "$SPIN_UP_AT"
xdotool key --delay 0 ctrl+a
xdotool type --delay 10 -- 4321
expect_field 4321 "typing after a click on the spin button"
echo "ok: typing goes on in the field after a click on the spin button"

# hold HALF_AT SECONDS: presses the half, holds it, releases it; prints how
# many milliseconds passed from before the press to after the release, an
# upper bound of how long the button was really held.
hold() {
  local start end
  start=$(date +%s%N)
  xdotool mousemove --window "$window" $1 mousedown 1 sleep "$2" mouseup 1
  end=$(date +%s%N)
  echo $(( (end - start) / 1000000 ))
}
# Most clicks a hold of MILLISECONDS can make: one at the press, then one at
# 400 ms and every 100 ms after. Timers may fire up to 5% early, and one tick
# may slip in before a release is handled.
most_clicks() {
  local held=$(( $1 * 106 / 100 ))
  if [ "$held" -lt 400 ]; then echo 2; else echo $(( 1 + (held - 400) / 100 + 1 + 1 )); fi
}

# Holding the up half for 1.5 s: about 13 clicks (1 + 12 repeats). A loaded
# machine may lose some ticks, so at least 6 are asked for.
before=$(number_now)
held=$(hold "$SPIN_UP_AT" 1.5)
after=$(number_now)
steps=$(( after - before ))
most=$(most_clicks "$held")
echo "holding the up half for $held ms stepped $steps times (at most $most possible)"
[ "$steps" -ge 6 ] || fail "holding the up half for $held ms stepped only $steps times"
[ "$steps" -le "$most" ] || fail "holding the up half for $held ms stepped $steps times, more than $most"
sleep 0.6
[ "$(number_now)" = "$after" ] || fail "the number kept changing after the release"
echo "ok: holding repeats and the release stops it"

# The down half repeats too.
before=$(number_now)
held=$(hold "$SPIN_DOWN_AT" 1.0)
after=$(number_now)
steps=$(( before - after ))
most=$(most_clicks "$held")
echo "holding the down half for $held ms stepped $steps times (at most $most possible)"
[ "$steps" -ge 3 ] && [ "$steps" -le "$most" ] || fail "holding the down half for $held ms stepped $steps times"
echo "ok: the down half repeats"

# Pressing the up half and moving the pointer off it at once: the press
# clicks, no repeat follows while the pointer is away.
before=$(number_now)
xdotool mousemove --window "$window" $SPIN_UP_AT mousedown 1 \
        mousemove --window "$window" $POINTER_REST_AT sleep 1 mouseup 1
expect_field $(( before + 1 )) "pressing the up half and moving off it for 1 s"
echo "ok: no repeat while the pointer is off the pressed half"

# The ends of the range hold.
set_number 79999
click_at "$SPIN_UP_AT";   expect_field 79999 "up at 79999"
click_at "$SPIN_DOWN_AT"; expect_field 79998 "down at 79999"
set_number 0
click_at "$SPIN_DOWN_AT"; expect_field 0 "down at 0"
click_at "$SPIN_UP_AT";   expect_field 1 "up at 0"
echo "ok: 0 and 79999 are the ends"

# Keys, with the focus on the button (Tab from the field). The last press
# was on the up half, so Space clicks up; after a press on the down half
# (which leaves the focus in the field), Tab and Space click down.
set_number 500
xdotool key Tab Up
expect_field 501 "Up on the spin button"
xdotool key Tab Down Down
expect_field 499 "Down twice on the spin button"
xdotool key Tab space
expect_field 500 "Space after a press on the up half"
click_at "$SPIN_DOWN_AT"
xdotool key Tab space
expect_field 498 "a press on the down half, then Tab and Space"
echo "ok: Up, Down and Space"

close_with_esc
rm -rf "$out"
echo "PASS: spin button"
