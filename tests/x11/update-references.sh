#!/usr/bin/env bash
# update-references.sh BUILD_DIR [--docs]
# Rebuilds the program in BUILD_DIR, starts a private Xvfb and writes the
# screenshots anew:
#   default  the references the real-window tests compare with
#            (tests/data/screenshots: the tab pages with rows for each reference number
#            and the out-of-range message line);
#   --docs   the pictures of the documentation (docs/screenshots), and
#            the fourth and fifth pages at scale 2 (<number>-tab4-scale2.png)
#            and with a dark desktop palette (<number>-tab4-dark.png), which
#            the window does not take on.
# Look at every changed picture before committing it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$here/reference_numbers.sh"

[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR [--docs]" >&2; exit 2; }
build=$1
target=references
[ "${2:-}" = "--docs" ] && target=docs

cmake --build "$build" --target tallyra -j2 >/dev/null
program=$build/app/tallyra

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

source "$root/tools/xvfb.sh"
start_xvfb 2400x1400  # room for the window at scale 2
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

if [ "$target" = docs ]; then
  dest=$root/docs/screenshots
  "$here/take_screenshots.sh" "$program" "$work" "${DOCS_NUMBERS[@]}"
  QT_SCALE_FACTOR=2 "$here/take_screenshots.sh" "$program" "$work/scale2" --pages 4,5 "${NEW_PAGES_DOCS_NUMBERS[@]}"
  # A dark GTK theme hands the program its palette through Qt's GTK theme.
  QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
    "$here/take_screenshots.sh" "$program" "$work/dark" --pages 4,5 "${NEW_PAGES_DOCS_NUMBERS[@]}"
  for variant in scale2 dark; do
    for shot in "$work/$variant"/*.png; do
      mv "$shot" "$work/$(basename "$shot" .png)-$variant.png"
    done
  done
else
  dest=$root/tests/data/screenshots
  "$here/take_screenshots.sh" "$program" "$work" --message "${REFERENCE_NUMBERS[@]}"
fi

mkdir -p "$dest"
for shot in "$work"/*.png; do
  # Without the time stamps a picture that did not change keeps its bytes.
  convert "$shot" -strip "$dest/$(basename "$shot")"
  echo "wrote ${dest#"$root"/}/$(basename "$shot")"
done
