#!/usr/bin/env bash
# tallyra-inspect rows / pictures / message / gif against what the rows and
# pictures must show, and against ImageMagick's reading of the same GIFs.
set -uo pipefail
inspect=$1
source_dir=$2
work=$3
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every line the expectations name must appear as it stands; rows in between
# are printed too, but they are checked elsewhere.
check_contains() {
  local what=$1 expected=$2 actual=$3
  while IFS= read -r line; do
    grep -qxF -- "$line" <<<"$actual" || fail "$what lacks: $line"
  done <"$expected"
}

rows=$("$inspect" rows 1994 2>/dev/null)
check_contains "rows 1994" "$here/rows-1994.expected" "$rows"
# The Roman label, then every value panel in the refresh's order (rows.tsv:
# the program's row table).
in_refresh_order=$(awk -F'\t' 'NR > 1 && $5 == "panel" { print $11 "\t" $1 }' "$source_dir/tools/fonts/rows.tsv" \
  | sort -n | cut -f2)
[ "$(cut -f1 <<<"$rows")" = "$(printf 'l2\n%s' "$in_refresh_order")" ] \
  || fail "rows 1994 did not print the Roman label and every panel in the refresh's order"
[ "$("$inspect" rows 80000 2>/dev/null | cut -f3 | sort -u)" = "-" ] || fail "rows 80000 touched a row"
grep -qxF "$(printf 'P67\tPost code\t32 32 106 106 106 32')" <<<"$("$inspect" rows ' 7' 2>/dev/null)" \
  || fail "Post code of ' 7' should skip the blank"

pictures=$("$inspect" pictures 1994 2>/dev/null)
[ "$pictures" = "$(cat "$here/pictures-1994.expected")" ] || fail "pictures 1994: $pictures"
long=$("$inspect" pictures 0001994 2>/dev/null)
[ "$(head -n3 <<<"$long" | cut -f2 | sort -u)" = "-" ] || fail "a 7-character text drew Korean, Hieratic or Assyrian"
grep -q "^PB7	ma5@1,0" <<<"$long" || fail "a 7-character text did not draw Maya"

[ "$("$inspect" message 80000 2>/dev/null)" = "Number must be greater than 0 and less than 80000" ] || fail "message 80000"
[ "$("$inspect" message abc 2>/dev/null)" = "No number this program can read" ] || fail "message abc"
[ "$("$inspect" message mcmxciv 2>/dev/null)" = "Roman numeral: 1994" ] || fail "message mcmxciv"
[ "$("$inspect" rows mcmxciv 2>/dev/null)" = "$rows" ] || fail "rows mcmxciv are not the rows of 1994"

mkdir -p "$work"
for name in KOREA0 ASS0 H9000 MA10; do
  "$inspect" gif "$source_dir/resources/pictures/$name.GIF" "$work/$name.ppm" 2>"$work/$name.err" \
    || fail "gif $name: $(cat "$work/$name.err")"
  [ -s "$work/$name.err" ] && fail "gif $name warned: $(cat "$work/$name.err")"
  if command -v compare >/dev/null; then
    differing=$(compare -metric AE "$work/$name.ppm" "$source_dir/resources/pictures/$name.GIF" null: 2>&1)
    [ "$differing" = "0" ] || fail "gif $name differs from ImageMagick's reading in $differing pixels"
  fi
done

printf 'This is not a GIF file at all.' >"$work/bad.gif"
"$inspect" gif "$work/bad.gif" "$work/bad.ppm" 2>"$work/bad.err"
[ $? -eq 1 ] || fail "a broken GIF did not exit with status 1"
[ "$(cat "$work/bad.err")" = "error: Invalid GIF signature" ] || fail "broken GIF said: $(cat "$work/bad.err")"

# A stray byte where the trailer should be: warned about, and the picture loads.
{ head -c -1 "$source_dir/resources/pictures/MA1.GIF"; printf '\x99'; } >"$work/stray.gif"
"$inspect" gif "$work/stray.gif" "$work/stray.ppm" 2>"$work/stray.err" || fail "stray byte made the load fail"
grep -qxF "warning: Unknown GIF block type" "$work/stray.err" || fail "stray byte said: $(cat "$work/stray.err")"

[ $failures -eq 0 ] && echo "PASS" || exit 1
