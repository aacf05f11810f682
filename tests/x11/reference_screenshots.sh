#!/usr/bin/env bash
# reference_screenshots.sh PROGRAM OUT_DIR
# Takes the window with each tab page for a handful of numbers and compares
# each with its reference in tests/data/screenshots. A pixel counts as
# different when a channel differs by more than 10% (antialiasing may shift
# a little); a picture fails when more than 5 pixels differ. A changed digit
# moves thousands of pixels, a changed letter of a caption a few dozen.
# On failure the actual picture and a difference picture (changed pixels red)
# stay in OUT_DIR/screenshots. After an intended change, regenerate the
# references with tests/x11/update-references.sh (see README.md).
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/window_driver.sh"
source "$here/reference_numbers.sh"

program=$1
out=${2:-.}/screenshots
references=$(cd "$here/../data/screenshots" && pwd)
readonly FUZZ=10% MAX_DIFFERENT_PIXELS=5

require_display_and_tools
rm -rf "$out"
mkdir -p "$out"
"$here/take_screenshots.sh" "$program" "$out" "${REFERENCE_NUMBERS[@]}"

mapfile -t pages < <(pages_with_rows)
failures=0
for number in "${REFERENCE_NUMBERS[@]}"; do
  for page in "${pages[@]}"; do
    name=$number-tab$page
    reference=$references/$name.png
    if [ ! -f "$reference" ]; then
      echo "FAIL: no reference tests/data/screenshots/$name.png"
      failures=$(( failures + 1 ))
      continue
    fi
    different=$(pixels_differing "$reference" "$out/$name.png" "$FUZZ" "$out/$name-difference.png")
    if [ "$different" -gt "$MAX_DIFFERENT_PIXELS" ]; then
      echo "FAIL: $name: $different pixels differ from the reference"
      echo "      actual:     $out/$name.png"
      echo "      difference: $out/$name-difference.png"
      failures=$(( failures + 1 ))
    else
      echo "ok:   $name ($different pixels differ)"
      rm -f "$out/$name.png" "$out/$name-difference.png"
    fi
  done
done
[ "$failures" -eq 0 ] || fail "$failures of $(( ${#REFERENCE_NUMBERS[@]} * ${#pages[@]} )) screenshots differ from their references"
echo "PASS: ${#REFERENCE_NUMBERS[@]} numbers, all ${#pages[@]} tab pages with rows, match their references"
