#!/usr/bin/env bash
# tab_pages.sh PROGRAM OUT_DIR
# Switching between "Number signs 1", "2" and "3" with the mouse: each page
# shows its own rows, switching back shows the same picture again, and a
# number typed while one page shows also redraws the others. The page keys
# (Ctrl+Tab, Ctrl+Page Up) switch pages from the number field too, round
# all three.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_driver.sh"

program=$1
out=${2:-.}/tab_pages
require_display_and_tools
rm -rf "$out"
start_program "$program" "$out"

shot() { screenshot "$out/$1.png"; crop "$out/$1.png" "$ROWS_REGION" "$out/$1-rows.png"; }
expect_same() { same_picture "$out/$1.png" "$out/$2.png" || fail "$3 ($1 and $2 in $out differ)"; }
# Pages showing different numbers or different rows differ in thousands of
# pixels; a few hundred could be a tab title alone.
expect_different() {
  local different
  different=$(pixels_differing "$out/$1.png" "$out/$2.png")
  [ "$different" -gt 1000 ] || fail "$3 (only $different pixels differ between $1 and $2 in $out)"
}

show_number 1994
shot first1
show_tab 2
shot first2
expect_different first1-rows first2-rows "the second page shows the rows of the first"
show_tab 1
shot again1
expect_same again1 first1 "back on the first page the window looks different"
show_tab 2
shot again2
expect_same again2 first2 "back on the second page the window looks different"
show_tab 3
shot first3
expect_different first3-rows first1-rows "the third page shows the rows of the first"
expect_different first3-rows first2-rows "the third page shows the rows of the second"
show_tab 1
show_tab 3
shot again3
expect_same again3 first3 "back on the third page the window looks different"
echo "ok: each page keeps its rows and looks the same when shown again"

# A number typed while the third page shows redraws every page, and one
# typed on another page redraws the third when it is shown.
show_number 7
shot seven3
expect_different seven3-rows first3-rows "7 left the third page as it was for 1994"
show_tab 2
shot seven2
expect_different seven2-rows first2-rows "7 typed on the third page left the second page as it was for 1994"
show_tab 1
shot seven1
expect_different seven1-rows first1-rows "7 typed on the third page left the first page as it was for 1994"
show_number 1994
show_tab 2
shot back2
expect_same back2 first2 "1994 typed on the first page does not redraw the second page as before"
show_tab 3
shot back3
expect_same back3 first3 "1994 typed on the first page does not redraw the third page as before"
echo "ok: a number typed on one page redraws the others"

show_tab 1
click_at "$FIELD_AT"
xdotool key ctrl+Tab
rest_pointer
shot keys2
expect_same keys2-rows first2-rows "Ctrl+Tab in the number field did not show the second page"
xdotool key ctrl+Tab
rest_pointer
shot keys3
expect_same keys3-rows first3-rows "a second Ctrl+Tab did not show the third page"
xdotool key ctrl+Tab
rest_pointer
shot keys1
expect_same keys1-rows first1-rows "Ctrl+Tab on the third page did not turn round to the first"
xdotool key ctrl+Prior
shot keys3b
expect_same keys3b-rows first3-rows "Ctrl+Page Up in the number field did not turn back to the third page"
echo "ok: the page keys work from the number field, round all three pages"

close_with_esc
rm -rf "$out"
echo "PASS: tab pages"
