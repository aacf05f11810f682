#!/usr/bin/env bash
# row_copy.sh PROGRAM OUT_DIR
# Copying rows in the real window, read back through the clipboard with
# xclip. For 1994: a right click on the Kanji row's value or caption and a
# click on "Copy" put 千九百九十四 on the clipboard; "Copy All Rows" puts a
# line for every row of the row table (rows.tsv) with the Hebrew text isolated; "Copy as Picture" an image of the
# value cell; the keyboard reaches the rows with Tab and copies with Ctrl+C,
# Shift+F10 and the Menu key. Fails, never skips, without a display or a tool.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_driver.sh"

program=$1
out=${2:-.}/row_copy
[ -n "${DISPLAY:-}" ] || fail "no X display"
for tool in xdotool xclip identify; do command -v "$tool" >/dev/null || fail "$tool is missing"; done
rm -rf "$out"
start_program "$program" "$out"

# Rows of "Number signs 1", client coordinates (rows are 38 high from y 63;
# captions 100 wide at the left of each column).
readonly KANJI_CAPTION_AT="606 120"
readonly KANJI_VALUE_AT="760 120"
readonly HEBREW_VALUE_AT="300 500"
readonly KANJI=千九百九十四
readonly ANCIENT_GREEK=ΧΗΗΗΗΗΗΗΗΗ𐅄ΔΔΔΔΙΙΙΙ
readonly STAFF_NUMBERS_CAPTION="Staff numbers"

windows_shown() { xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | wc -l; }
menu_is_open() { [ "$(windows_shown)" -gt 1 ]; }
menu_is_closed() { [ "$(windows_shown)" -eq 1 ]; }

# right_click AT: opens the row's context menu at client coordinates AT.
right_click() {
  xdotool mousemove --window "$window" $1 mousedown 3 mouseup 3
  poll 5 menu_is_open || fail "no context menu after a right click at $1"
}

# click_first_item: clicks the menu's first item ("Copy") with the mouse.
click_first_item() {
  local menu x y
  menu=$(xdotool search --onlyvisible --pid "$program_pid" | grep -v "^$window\$" | head -n1)
  eval "$(xdotool getwindowgeometry --shell "$menu")"   # X, Y, WIDTH, HEIGHT
  xdotool mousemove $(( X + 30 )) $(( Y + 10 )) click 1
  poll 5 menu_is_closed || fail "the menu stayed open after a click on its first item"
}

# copied_text: waits for the program to replace the probe in the clipboard.
probe=
start_copy() { probe="row-copy-probe-$RANDOM$RANDOM"; own_clipboard "$probe" || fail "could not take the clipboard"; }
copied_text() {
  poll 5 clipboard_differs "$probe" || fail "nothing was copied"
  xclip -selection clipboard -o
}
expect_copied() {
  local text
  text=$(copied_text)
  [ "$text" = "$1" ] || fail "$2: the clipboard holds '$text', expected '$1'"
}

type_into_field 1994
expect_field 1994
rest_pointer

start_copy; right_click "$KANJI_VALUE_AT"; click_first_item
expect_copied "$KANJI" "right click on the Kanji value, Copy"
start_copy; right_click "$KANJI_CAPTION_AT"; click_first_item
expect_copied "$KANJI" "right click on the Kanji caption, Copy"
echo "ok: right click, Copy on the Kanji row copies $KANJI"

start_copy; right_click "$HEBREW_VALUE_AT"; xdotool key Up Return   # the last item
all=$(copied_text)
rows=$(awk 'NR > 1' "$ROW_TABLE" | wc -l)
[ "$(printf '%s\n' "$all" | wc -l)" -eq "$rows" ] || fail "Copy All Rows gave $(printf '%s\n' "$all" | wc -l) lines, not $rows"
printf '%s\n' "$all" | grep -qx "Kanji	$KANJI" || fail "Copy All Rows lacks the line 'Kanji<TAB>$KANJI'"
printf '%s\n' "$all" | grep -qx $'Hebrew\t\u2067א׳ץצד\u2069' || fail "Copy All Rows lacks the isolated Hebrew line"
[ "$(printf '%s\n' "$all" | head -n1)" = "Ancient Greek	$ANCIENT_GREEK" ] || fail "Copy All Rows does not start with Ancient Greek"
echo "ok: Copy All Rows gives $rows lines, Hebrew isolated"

start_copy; right_click "$KANJI_VALUE_AT"; xdotool key Down Down Return   # "Copy as Picture"
poll 5 clipboard_differs "$probe" || fail "Copy as Picture copied nothing"
xclip -selection clipboard -t image/png -o >"$out/kanji.png" || fail "the clipboard holds no PNG image"
size=$(identify -format '%wx%h' "$out/kanji.png")
[ "$size" = 456x38 ] || fail "the Kanji cell's picture is $size, not 456x38"
echo "ok: Copy as Picture gives the 456x38 cell"

# The keyboard: Tab from the field reaches the first row, Ctrl+C copies it,
# End moves to the page's last row, Shift+F10 and the Menu key open the menu.
click_at "$FIELD_AT"
reached=no
for _ in 1 2 3 4 5; do
  xdotool key Tab
  start_copy
  xdotool key ctrl+c
  if poll 1 clipboard_differs "$probe" && [ "$(xclip -selection clipboard -o)" = "$ANCIENT_GREEK" ]; then
    reached=yes
    break
  fi
done
[ "$reached" = yes ] || fail "Tab from the number field never reached the Ancient Greek row"
start_copy; xdotool key End shift+F10 Up Return
copied_text | grep -q "^$STAFF_NUMBERS_CAPTION	" || fail "End, Shift+F10, Copy All Rows did not copy all rows"
start_copy; xdotool key Home Menu Down Return
expect_copied "$ANCIENT_GREEK" "Home, Menu key, Copy"
echo "ok: the keyboard reaches and copies the rows"

close_with_esc
rm -rf "$out"
echo "PASS: row copy"
