#!/usr/bin/env bash
# tab_pages.sh PROGRAM OUT_DIR
# Switching between "Number signs 1" to "5" with the mouse: each page shows
# its own rows, switching back shows the same picture again, and a number
# typed while one page shows also redraws the others. The page keys
# (Ctrl+Tab, Ctrl+Page Up) switch pages from the number field too, round
# all five.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_driver.sh"

program=$1
out=${2:-.}/tab_pages
require_display_and_tools
rm -rf "$out"
start_program "$program" "$out"

readonly PAGES=(1 2 3 4 5)
mapfile -t ROW_PAGES < <(pages_with_rows)
mapfile -t TEXT_PAGES < <(text_pages)
[ "${#TEXT_PAGES[@]}" -gt 0 ] || fail "no text page in $ROW_TABLE"

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
for page in "${PAGES[@]}"; do
  show_tab "$page"
  shot "first$page"
done
# Every page with rows differs from every other page.
for page in "${ROW_PAGES[@]}"; do
  for other in "${PAGES[@]}"; do
    [ "$other" != "$page" ] || continue
    expect_different "first$page-rows" "first$other-rows" "page $page shows the rows of page $other"
  done
done
for page in 1 3 5 2 4; do
  show_tab "$page"
  shot "again$page"
  expect_same "again$page" "first$page" "back on page $page the window looks different"
done
echo "ok: each page keeps its rows and looks the same when shown again"

# A number typed while a text page shows redraws every page, and one typed
# on another page redraws the text pages when they are shown.
for text_page in "${TEXT_PAGES[@]}"; do
  show_tab "$text_page"
  show_number 7
  for page in "$text_page" "${ROW_PAGES[@]}"; do
    show_tab "$page"
    shot "seven$page"
    expect_different "seven$page-rows" "first$page-rows" "7 typed on page $text_page left page $page as it was for 1994"
  done
  show_tab 1
  show_number 1994
  for page in "${TEXT_PAGES[@]}" 2; do
    show_tab "$page"
    shot "back$page"
    expect_same "back$page" "first$page" "1994 typed on the first page does not redraw page $page as before"
  done
done
echo "ok: a number typed on one page redraws the others"

show_tab 1
click_at "$FIELD_AT"
for page in 2 3 4 5 1; do
  xdotool key ctrl+Tab
  shown_tab=$page
  rest_pointer
  shot "keys$page"
  expect_same "keys$page-rows" "first$page-rows" "Ctrl+Tab in the number field did not show page $page"
done
for page in 5 4; do
  xdotool key ctrl+Prior
  shown_tab=$page
  shot "keysback$page"
  expect_same "keysback$page-rows" "first$page-rows" "Ctrl+Page Up in the number field did not turn back to page $page"
done
echo "ok: the page keys work from the number field, round all five pages"

close_with_esc
rm -rf "$out"
echo "PASS: tab pages"
