#!/usr/bin/env bash
# Starts the program on $DISPLAY, takes a screenshot of its window, checks
# that it has the window's size and is not blank, then closes it with Esc.
set -euo pipefail
program=$1
out=${2:-.}
[ -n "${DISPLAY:-}" ] || { echo "no X display: skipped"; exit 77; }
for tool in xdotool import identify convert; do
  command -v "$tool" >/dev/null || { echo "$tool missing: skipped"; exit 77; }
done

"$program" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Number signs of other cultures$' | head -n1)
[ -n "$window" ] || { echo "FAIL: the window did not appear"; exit 1; }
sleep 1   # let the first refresh paint
shot="$out/x11_start_and_close.png"
import -window "$window" "$shot"

size=$(identify -format '%wx%h' "$shot")
[ "$size" = "1112x656" ] || { echo "FAIL: screenshot is $size, not 1112x656"; exit 1; }
spread=$(convert "$shot" -colorspace Gray -format '%[fx:standard_deviation]' info:)
awk -v s="$spread" 'BEGIN { exit !(s > 0.05) }' || { echo "FAIL: screenshot is blank (deviation $spread)"; exit 1; }

xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key Escape   # as a user presses it, to the focused window
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then echo "FAIL: Esc did not close the window"; exit 1; fi
wait $pid
trap - EXIT
echo "PASS: $size, deviation $spread, closed by Esc"
