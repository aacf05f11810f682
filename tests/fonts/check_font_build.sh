#!/bin/sh
# Rebuilds the embedded fonts and compares them with the committed files.
# Exit 77 (skipped) when the tools or source fonts of the build are missing.
repo=${1:?usage: check_font_build.sh REPOSITORY}
python=/usr/bin/python3

missing() { echo "skipped: $1 is not installed (tools/install-deps.sh assets)"; exit 77; }

[ -x "$python" ] || missing "$python"
"$python" -c "import fontTools, fontforge" 2>/dev/null || missing "python3-fonttools or python3-fontforge"
command -v hb-shape >/dev/null 2>&1 || missing "hb-shape (libharfbuzz-bin)"
[ -f /usr/share/fonts/truetype/noto/NotoSans-Regular.ttf ] || missing "fonts-noto-core"
[ -f /usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc ] || missing "fonts-noto-cjk"

exec "$python" "$repo/tools/fonts/build_fonts.py" --check
