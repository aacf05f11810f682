#!/bin/sh
# Runs the picture generator's tests with the given Python interpreter.
# Exit 77 (skipped) when that interpreter lacks PIL or fontTools, or the
# fonts the pictures are drawn from are not installed.
python="$1"
"$python" -c "import PIL, fontTools" 2>/dev/null || { echo "PIL or fontTools missing"; exit 77; }
for font in /usr/share/fonts/truetype/nanum/NanumGothicBold.ttf \
            /usr/share/fonts/truetype/noto/NotoSansCuneiform-Regular.ttf \
            /usr/share/fonts/truetype/noto/NotoSansMayanNumerals-Regular.ttf; do
  [ -f "$font" ] || { echo "font missing: $font"; exit 77; }
done
PYTHONDONTWRITEBYTECODE=1 exec "$python" -m unittest discover -s tests/picture_tools -v
