"""The Korean pictures: Sino-Korean numeral syllables in Hangul.

Each syllable is rendered by FreeType (through PIL, hinted, antialiased)
from NanumGothic Bold at 22 pixels, centred on the picture's width, all on
one common baseline, then rounded to 16 grey levels.
"""

from PIL import Image, ImageDraw, ImageFont

import raster

FONT_FILE = "/usr/share/fonts/truetype/nanum/NanumGothicBold.ttf"
FONT_PIXELS = 22
HEIGHT = 26
GREY_LEVELS = 16

# (picture, syllable, width); korea0 is 1, korea8 is 9, then 10, 100, 1000, 10000.
SYLLABLES = [
    ("korea0", "\uC77C", 24),   # il, 1
    ("korea1", "\uC774", 24),   # i, 2
    ("korea2", "\uC0BC", 26),   # sam, 3
    ("korea3", "\uC0AC", 26),   # sa, 4
    ("korea4", "\uC624", 26),   # o, 5
    ("korea5", "\uC721", 26),   # yuk, 6
    ("korea6", "\uCE60", 24),   # chil, 7
    ("korea7", "\uD314", 26),   # pal, 8
    ("korea8", "\uAD6C", 26),   # gu, 9
    ("korea9", "\uC2ED", 24),   # sip, 10
    ("korea10", "\uBC31", 24),  # baek, 100
    ("korea11", "\uCC9C", 24),  # cheon, 1000
    ("korea12", "\uB9CC", 26),  # man, 10000
]


def _baseline(font, height):
    """The baseline that centres the ink of all syllables together vertically."""
    tops, bottoms = [], []
    for _, syllable, _ in SYLLABLES:
        _, top, _, bottom = font.getbbox(syllable, anchor="ls")
        tops.append(top)
        bottoms.append(bottom)
    ink_height = max(bottoms) - min(tops)
    return (height - ink_height) // 2 - min(tops)


def pictures(zoom=1):
    """Yields (name, width, height, palette, indexes) for korea0..korea12,
    each zoom times as wide and high as the catalogue says (rendered afresh
    at zoom times the font size, not enlarged)."""
    font = ImageFont.truetype(FONT_FILE, FONT_PIXELS * zoom)
    height = HEIGHT * zoom
    baseline = _baseline(font, height)
    for name, syllable, width in SYLLABLES:
        width *= zoom
        image = Image.new("L", (width, height), 255)
        ImageDraw.Draw(image).text((width // 2, baseline), syllable, font=font, fill=0, anchor="ms")
        palette, indexes = raster.quantise(image, GREY_LEVELS)
        yield name, width, height, palette, indexes
