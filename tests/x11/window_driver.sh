# Drives the running program as a user does, on $DISPLAY, with xdotool;
# reads the number field through the clipboard and the rest of the window
# through screenshots. Sourced by the real-window tests and the reference
# screenshot tools. What checks ends the script through `fail`; read_field
# and own_clipboard return 1, with a reason on stderr, for their caller to
# decide.
#
# Window geometry (client coordinates, the layout is fixed):
#   tab titles "Number signs 1" / "2" / "3" / "4" / "5"
#                                                    around (55,12) / (165,12) / (277,12) / (389,12) / (501,12)
#   tab page (the numeral rows)                      y 24..613
#   bottom bar                                       y 615..655
#   number field ze1 (80,625) 113x22, spin button (200,619) 20x32,
#   message line l3 from (248,627)

readonly WINDOW_TITLE='Number signs of other cultures'
readonly WINDOW_SIZE=1112x656
readonly FIELD_AT="136 636"
readonly SPIN_UP_AT="210 627"
readonly SPIN_DOWN_AT="210 643"
readonly TAB1_AT="55 12"
readonly TAB2_AT="165 12"
readonly TAB3_AT="277 12"
readonly TAB4_AT="389 12"
readonly TAB5_AT="501 12"
readonly POINTER_REST_AT="1000 640"     # an empty spot of the bottom bar
readonly ROWS_REGION=1112x589+0+24
readonly TABS_REGION=1112x24+0+0
readonly MESSAGE_REGION=856x28+244+624
# Ionic, Kanji, Korean, Manchu, Maya, Maya-Hierogl.: the first six rows of
# the right column of "Number signs 1", all drawn from the number alone.
readonly NUMBER_ROWS_REGION=556x228+556+63

program_pid=
window=
clipboard_owner_pid=
clipboard_log=
driver_work=

fail() { echo "FAIL: $*" >&2; exit 1; }

# Exits with 77 (ctest's "skipped") when there is no display or a tool is missing.
require_display_and_tools() {
  [ -n "${DISPLAY:-}" ] || { echo "no X display: skipped"; exit 77; }
  local tool
  for tool in xdotool xclip import convert compare "$@"; do
    command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
  done
}

# Polls COMMAND... every 20 ms for up to SECONDS; returns its first success.
poll() {
  local seconds=$1; shift
  local tries=$(( seconds * 50 ))
  while ! "$@"; do
    tries=$(( tries - 1 ))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.02
  done
}

stop_driver() {
  if [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  release_clipboard
}

# start_program PROGRAM WORK_DIR: starts it, waits for its window and for the
# activation that puts today's day count into the number field.
start_program() {
  driver_work=$2
  mkdir -p "$driver_work"
  if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR=$driver_work/.runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  fi
  "$1" &
  program_pid=$!
  trap stop_driver EXIT
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^$WINDOW_TITLE\$" | head -n1) || true
  [ -n "$window" ] || fail "the window did not appear"
  focus_window
  local first
  first=$(read_field) || fail "could not read the number field"
  [[ "$first" =~ ^[0-9]+$ ]] || fail "at start the field shows '$first', not a day count"
}

focus_window() {
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
}

# Pointer actions at client coordinates "X Y" (press and release rather than
# xdotool's click, which waits 100 ms afterwards).
click_at() { xdotool mousemove --window "$window" $1 mousedown 1 mouseup 1; }
rest_pointer() { xdotool mousemove --window "$window" $POINTER_REST_AT; }

# Gives the clipboard to a private xclip holding TEXT; waits until it owns it.
# Its log counts the requests it has served ("selection request number N"
# announces the wait for the Nth).
own_clipboard() {
  release_clipboard
  clipboard_log=$driver_work/.clipboard.log
  printf %s "$1" | xclip -selection clipboard -i -verbose >"$clipboard_log" 2>&1 &
  clipboard_owner_pid=$!
  poll 5 clipboard_holds "$1" || { echo "xclip did not take the clipboard" >&2; return 1; }
}
clipboard_holds() { [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$1" ]; }
clipboard_differs() {
  local text
  text=$(xclip -selection clipboard -o 2>/dev/null) || return 1
  [ "$text" != "$1" ]
}
clipboard_requests_served() { echo $(( $(grep -c 'selection request number' "$clipboard_log") - 1 )); }
clipboard_served_more_than() { [ "$(clipboard_requests_served)" -gt "$1" ]; }
release_clipboard() {
  if [ -n "$clipboard_owner_pid" ]; then
    kill "$clipboard_owner_pid" 2>/dev/null || true
    wait "$clipboard_owner_pid" 2>/dev/null || true
    clipboard_owner_pid=
  fi
}

# Prints the number field's text: clicks into it, selects all and copies. A
# probe text in the clipboard beforehand tells a fresh copy from a stale one.
# Leaves the keyboard focus in the field.
read_field() {
  local probe="tallyra-probe-$RANDOM$RANDOM"
  own_clipboard "$probe" || return 1
  click_at "$FIELD_AT"
  xdotool key --delay 0 ctrl+a ctrl+c
  poll 5 clipboard_differs "$probe" || { echo "the field's text never reached the clipboard" >&2; return 1; }
  xclip -selection clipboard -o
  release_clipboard
}

# Waits until the field shows EXPECTED; fails with what it shows instead.
expect_field() {
  local expected=$1 what=${2:-} shown= tries=100
  while :; do
    shown=$(read_field) || fail "could not read the number field"
    [ "$shown" = "$expected" ] && return 0
    tries=$(( tries - 1 ))
    [ "$tries" -gt 0 ] || fail "${what:+$what: }the field shows '$shown', expected '$expected'"
    sleep 0.05
  done
}

# Replaces the field's text by typing TEXT, key by key (empty TEXT: deletes it).
type_into_field() {
  click_at "$FIELD_AT"
  xdotool key --delay 0 ctrl+a
  if [ -n "$1" ]; then xdotool type --delay 10 -- "$1"; else xdotool key BackSpace; fi
}

# Replaces the field's text by TEXT in one change, as pasting does. Waits
# until the program has fetched the text, so that the clipboard can change.
paste_into_field() {
  own_clipboard "$1" || fail "could not put '$1' into the clipboard"
  local served
  served=$(clipboard_requests_served)
  click_at "$FIELD_AT"
  xdotool key --delay 0 ctrl+a ctrl+v
  poll 5 clipboard_served_more_than "$served" || fail "the program did not fetch the pasted text"
}

# Sets a number for a screenshot: types it, waits for it, then moves the
# focus to the spin button (no text cursor, no selection in the field) and
# the pointer out of the way.
show_number() {
  type_into_field "$1"
  expect_field "$1"
  xdotool key Tab
  rest_pointer
}

# The tab pages that have rows, and those whose rows are text (written when
# their page is shown), one number a line, from the row table as
# tallyra-row-data writes it (tools/fonts/rows.tsv).
readonly ROW_TABLE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../tools/fonts" && pwd)/rows.tsv
pages_with_rows() { awk -F'\t' 'NR > 1 { print $3 }' "$ROW_TABLE" | sort -un; }
text_pages() { awk -F'\t' 'NR > 1 && $5 == "text" { print $3 }' "$ROW_TABLE" | sort -un; }

# Clicks a page's tab and waits until the tab bar shows it chosen; a click
# the program missed (one that came too soon after the click before) is
# given again. shown_tab is the page shown (the first at start; a script
# that turns pages by keys sets it).
shown_tab=1
show_tab() {
  [ "$1" != "$shown_tab" ] || return 0
  shown_tab=$1
  local at
  case $1 in
    1) at=$TAB1_AT ;;
    2) at=$TAB2_AT ;;
    3) at=$TAB3_AT ;;
    4) at=$TAB4_AT ;;
    5) at=$TAB5_AT ;;
    *) fail "no tab page $1" ;;
  esac
  local before="$driver_work/.tabs-a.ppm" after="$driver_work/.tabs-b.ppm" attempt tries
  import -window "$window" -crop "$TABS_REGION" "ppm:$before"
  for attempt in 1 2 3; do
    click_at "$at"
    rest_pointer
    for tries in $(seq 20); do
      sleep 0.05
      import -window "$window" -crop "$TABS_REGION" "ppm:$after"
      cmp -s "$before" "$after" || return 0
    done
  done
  fail "the tab of page $1 did not show its page"
}

# Number of pixels of A and B that differ by more than FUZZ (default 0%);
# writes a difference picture when DIFF is given.
pixels_differing() {
  local a=$1 b=$2 fuzz=${3:-0%} diff=${4:-null:} out rc=0
  out=$(compare -metric AE -fuzz "$fuzz" "$a" "$b" "$diff" 2>&1 >/dev/null) || rc=$?
  [ "$rc" -le 1 ] || { echo "compare failed on $a and $b: $out" >&2; echo 999999999; return; }
  awk -v n="$out" 'BEGIN { printf "%d\n", n + 0 }'
}

same_picture() { [ "$(pixels_differing "$1" "$2")" -eq 0 ]; }

# screenshot FILE: the window's client area once it has stopped changing
# (two raw shots in a row alike), so a repaint in progress or a blinking text
# cursor is never caught half-way. Written as PNG.
screenshot() {
  local file=$1 previous="$driver_work/.shot-a.ppm" latest="$driver_work/.shot-b.ppm" tries=50
  import -window "$window" "ppm:$previous"
  while :; do
    sleep 0.05
    import -window "$window" "ppm:$latest"
    cmp -s "$previous" "$latest" && break
    tries=$(( tries - 1 ))
    [ "$tries" -gt 0 ] || fail "the window kept changing for seconds"
    mv "$latest" "$previous"
  done
  local size
  size=$(head -c 20 "$latest" | sed -n 2p | tr ' ' x)   # "P6", "W H", "255"
  [ "$size" = "$WINDOW_SIZE" ] || fail "the window is $size, not $WINDOW_SIZE"
  convert "ppm:$latest" "$file"
  rm -f "$previous" "$latest"
}

# crop FILE REGION OUT
crop() { convert "$1" -crop "$2" +repage "$3"; }

# True when every pixel of the picture has the same colour.
is_uniform() { [ "$(convert "$1" -format '%k' info:)" -eq 1 ]; }

# Presses Esc in the window and waits for the program to end by itself.
close_with_esc() {
  focus_window
  xdotool key Escape
  poll 10 program_ended || fail "Esc did not close the window"
  wait "$program_pid" || fail "the program ended with status $?"
  program_pid=
}
program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }
