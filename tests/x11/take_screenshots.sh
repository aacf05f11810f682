#!/usr/bin/env bash
# take_screenshots.sh PROGRAM OUT_DIR [--message] NUMBER...
# Starts the program on $DISPLAY and, for each NUMBER, types it and writes the
# window with each tab page that has rows showing: OUT_DIR/<NUMBER>-tab1.png,
# -tab2.png ... -tab5.png.
# With --message it also pastes 80000 and writes the message line it brings
# up: OUT_DIR/out-of-range-message.png. Closes the program with Esc.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_driver.sh"

[ $# -ge 3 ] || { echo "usage: $0 PROGRAM OUT_DIR [--message] NUMBER..." >&2; exit 2; }
program=$1 out=$2
shift 2
message=no
if [ "$1" = "--message" ]; then message=yes; shift; fi

require_display_and_tools
mkdir -p "$out"
start_program "$program" "$out"

mapfile -t pages < <(pages_with_rows)
for number in "$@"; do
  show_number "$number"
  for page in "${pages[@]}"; do
    show_tab "$page"
    screenshot "$out/$number-tab$page.png"
  done
  show_tab 1
done

if [ "$message" = yes ]; then
  paste_into_field 80000
  expect_field 80000
  xdotool key Tab
  rest_pointer
  screenshot "$out/out-of-range.png"
  crop "$out/out-of-range.png" "$MESSAGE_REGION" "$out/out-of-range-message.png"
  rm "$out/out-of-range.png"
fi

close_with_esc
