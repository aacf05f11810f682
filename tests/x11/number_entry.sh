#!/usr/bin/env bash
# number_entry.sh PROGRAM OUT_DIR
# Typing and pasting into the number field of the real window: valid numbers
# redraw the rows, a numeral of another system shows its number with the
# field keeping it, text that is no number stays in the field and leaves the
# rows with a message, a number out of range brings up the message line and
# leaves the rows as they were, an empty field clears the message and leaves
# the rows, and Esc closes the window at the end.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_driver.sh"

program=$1
out=${2:-.}/number_entry
message_reference=$here/../data/screenshots/out-of-range-message.png
require_display_and_tools
rm -rf "$out"
start_program "$program" "$out"

# rows_after NAME: screenshot (focus moved off the field first) and its rows
# and message line as $out/NAME-rows.png and $out/NAME-message.png.
rows_after() {
  xdotool key Tab
  rest_pointer
  screenshot "$out/$1.png"
  crop "$out/$1.png" "$ROWS_REGION" "$out/$1-rows.png"
  crop "$out/$1.png" "$MESSAGE_REGION" "$out/$1-message.png"
}
expect_same() { same_picture "$out/$1.png" "$out/$2.png" || fail "$3 ($1 and $2 in $out differ)"; }
expect_different() { ! same_picture "$out/$1.png" "$out/$2.png" || fail "$3 ($1 and $2 in $out are alike)"; }
expect_no_message() { is_uniform "$out/$1-message.png" || fail "$2: the message line is not empty ($out/$1-message.png)"; }

# Valid numbers, typed key by key: each redraws the rows, no message.
for number in 0 7 31 786 1994 8000; do
  type_into_field "$number"
  expect_field "$number" "typing $number"
  rows_after "n$number"
  expect_no_message "n$number" "after typing $number"
done
expect_different n0-rows n7-rows "0 and 7 show the same rows"
expect_different n7-rows n1994-rows "7 and 1994 show the same rows"
expect_different n1994-rows n8000-rows "1994 and 8000 show the same rows"
echo "ok: typed numbers redraw the rows"

# A numeral typed letter by letter, or pasted, stays in the field as it is
# written, and the rows show its number as typed digits would (the rows that
# show the typed characters its decimal digits); the message line says what
# it was read as.
type_into_field mcmxciv
expect_field mcmxciv "after typing mcmxciv"
rows_after mcmxciv
expect_same mcmxciv-rows n1994-rows "mcmxciv does not show the rows of 1994"
is_uniform "$out/mcmxciv-message.png" && fail "mcmxciv brings up no message"
paste_into_field $'\xd7\xaa\xd7\xa9\xd7\xa4\xd7\xb4\xd7\x95'   # UTF-8 of the Hebrew 786
expect_field $'\xd7\xaa\xd7\xa9\xd7\xa4\xd7\xb4\xd7\x95' "after pasting the Hebrew 786"
rows_after hebrew786
expect_same hebrew786-rows n786-rows "the Hebrew 786 does not show the rows of 786"
echo "ok: mcmxciv typed shows 1994, the Hebrew 786 pasted shows 786"

# Text that is no number: "abc" stays in the field, the rows keep 1994, and
# the message line says so.
type_into_field 1994
expect_field 1994
type_into_field abc
expect_field abc "after typing abc"
rows_after abc
expect_same abc-rows n1994-rows "abc changed the rows of 1994"
is_uniform "$out/abc-message.png" && fail "abc brings up no message"
echo "ok: abc stays, the rows keep 1994, a message says it is no number"

# Out of range, pasted in one change: the message comes up, the rows keep 1994.
type_into_field 1994
expect_field 1994
paste_into_field 80000
expect_field 80000 "after pasting 80000"
rows_after p80000
expect_same p80000-rows n1994-rows "80000 changed the rows of 1994"
is_uniform "$out/p80000-message.png" && fail "80000 brings up no message"
if [ -f "$message_reference" ]; then
  different=$(pixels_differing "$message_reference" "$out/p80000-message.png" 10% "$out/message-difference.png")
  [ "$different" -le 5 ] ||
    fail "the message line differs from the reference in $different pixels (actual $out/p80000-message.png, difference $out/message-difference.png)"
else
  fail "no reference tests/data/screenshots/out-of-range-message.png"
fi
echo "ok: 80000 says \"Number must be greater than 0 and less than 80000\" and keeps the rows"

# A negative number is out of range too: the same message, the rows stay.
paste_into_field -5
expect_field -5 "after pasting -5"
rows_after minus5
expect_same minus5-rows n1994-rows "-5 changed the rows"
expect_same minus5-message p80000-message "-5 brings up another message than 80000"
echo "ok: -5 is out of range"

# Typed key by key, 80000 passes through 8, 80, 800 and 8000 (all accepted),
# so the rows end showing 8000.
type_into_field 80000
expect_field 80000 "after typing 80000"
rows_after t80000
expect_same t80000-rows n8000-rows "after typing 80000 the rows do not show 8000"
expect_same t80000-message p80000-message "typing 80000 brings up another message"
echo "ok: typed 80000 keeps the rows of 8000"

# Deleting everything empties the message line and leaves the rows.
type_into_field ""
rows_after empty
crop "$out/empty.png" 105x14+84+629 "$out/empty-field.png"
is_uniform "$out/empty-field.png" || fail "the field is not empty after deleting ($out/empty-field.png)"
expect_same empty-rows n8000-rows "deleting the text changed the rows"
expect_no_message empty "after deleting the text"
echo "ok: an empty field clears the message and keeps the rows"

# Hexadecimal text is a number; "1F" without a prefix is not and stays as
# it is; a typed leading blank is allowed. The field keeps the text as typed, and
# the rows drawn from the text's characters show those characters, so only the
# rows drawn from the number are compared.
number_rows() { crop "$out/$1.png" "$NUMBER_ROWS_REGION" "$out/$1-number-rows.png"; }
number_rows n31
number_rows n7
paste_into_field '$1F'
expect_field '$1F' 'after pasting $1F'
rows_after hex
number_rows hex
expect_same hex-number-rows n31-number-rows '$1F does not show 31 in the rows drawn from the number'
expect_no_message hex 'after pasting $1F'
paste_into_field 1F
expect_field 1F "after pasting 1F"
rows_after hex1F
expect_same hex1F-rows hex-rows '1F changed the rows of $1F'
# (a paste drops the blank, and a lone blank typed first is no number)
type_into_field 7
xdotool key Home space
expect_field ' 7' "after typing a blank before 7"
rows_after blank7
number_rows blank7
expect_same blank7-number-rows n7-number-rows "' 7' does not show 7 in the rows drawn from the number"
echo "ok: \$1F shows 31, 1F stays and keeps the rows, ' 7' shows 7"

# (Selecting the field's text with Ctrl+A made the program the selection's
# owner; only the pasted text itself tells that xclip has taken it over.)
primary_holds() { [ "$(xclip -selection primary -o 2>/dev/null)" = "$1" ]; }

# A paste forgives: digits of other scripts become ASCII digits, white space
# and line breaks around the text and blanks grouping the digits go.
paste_into_field $'\xd9\xa1\xd9\xa9\xd9\xa9\xd9\xa5\r\n\t'   # UTF-8 of U+0661 U+0669 U+0669 U+0665
expect_field 1995 "after pasting Arabic-Indic 1995 with a line break"
paste_into_field $' 79\xc2\xa0999\n '
expect_field 79999 "after pasting 79 999 grouped by a no-break space"
# The middle button pastes the selection (here: Devanagari 1995 with a line
# break, as selected in a terminal) the same way.
type_into_field ""
printf %s $'\xe0\xa5\xa7\xe0\xa5\xaf\xe0\xa5\xaf\xe0\xa5\xab\n' | xclip -selection primary -i -quiet >/dev/null 2>&1 &
primary_owner=$!
poll 5 primary_holds $'\xe0\xa5\xa7\xe0\xa5\xaf\xe0\xa5\xaf\xe0\xa5\xab' || fail "xclip did not take the primary selection"
xdotool mousemove --window "$window" $FIELD_AT click 2
expect_field 1995 "after pasting Devanagari 1995 with the middle button"
kill "$primary_owner" 2>/dev/null || true
echo "ok: pasted digits of another script and grouped digits are read"

# Esc closes the window with the focus in the field, too.
click_at "$FIELD_AT"
close_with_esc
rm -rf "$out"
echo "PASS: number entry"
