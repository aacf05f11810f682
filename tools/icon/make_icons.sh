#!/usr/bin/env bash
# Renders the program icon resources/icon/tallyra.svg into the PNG sizes of the
# hicolor theme (resources/icon/tallyra-N.png). The PNGs are committed, so a
# build needs no SVG renderer; run this after changing the SVG.
# Needs rsvg-convert (group "assets" in debian-packages.txt).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
icon="$root/resources/icon"
sizes=(16 22 24 32 48 64 128 256)
command -v rsvg-convert >/dev/null || { echo "rsvg-convert missing (package librsvg2-bin)" >&2; exit 1; }
for size in "${sizes[@]}"; do
  rsvg-convert --width "$size" --height "$size" --format png \
    --output "$icon/tallyra-$size.png" "$icon/tallyra.svg"
done
echo "rendered ${sizes[*]} px into ${icon#"$root"/}"
