"""Maya-Hierogl. (Glyfa08c 118-126, 160-170): the digits 0 to 19.

The head-variant numerals are beyond a procedural drawing; each digit is
a rounded cartouche, as the glyph blocks of the inscriptions are, holding
the dot-and-bar numeral of its value: bars for fives, dots above them for
the units, and the shell for zero.
"""

from . import geometry as g
from .sketch import Sketch

PEN = 60
ADVANCE = 940
FRAME = (55, PEN / 2, ADVANCE - 55, 1000 - PEN / 2)   # centre lines of the cartouche
FRAME_RADIUS = 190
BAR_HALF_WIDTH = 270
BAR_HEIGHT = 100
BAR_GAP = 60
DOT_RADIUS = 62
DOT_PITCH = 165
DOT_GAP = 70


def _numeral(value, cx, cy):
    """Dots above bars, centred on (cx, cy)."""
    bars, dots = divmod(value, 5)
    height = bars * BAR_HEIGHT + max(0, bars - 1) * BAR_GAP
    if dots:
        height += 2 * DOT_RADIUS + (DOT_GAP if bars else 0)
    y = cy - height / 2
    parts = []
    for _ in range(bars):
        parts.append(g.rounded_rect(cx - BAR_HALF_WIDTH, y, cx + BAR_HALF_WIDTH, y + BAR_HEIGHT, 25))
        y += BAR_HEIGHT + BAR_GAP
    if dots:
        y += (DOT_GAP - BAR_GAP) if bars else 0
        first = cx - (dots - 1) * DOT_PITCH / 2
        for k in range(dots):
            parts.append(g.disc(first + k * DOT_PITCH, y + DOT_RADIUS, DOT_RADIUS))
    return parts


def _shell(cx, cy):
    """The zero sign: a shell, an oval with its ridged lip."""
    return [g.ellipse_ring(cx, cy, 260, 165, 55),
            g.elliptic_arc(cx, cy - 25, 175, 75, 200, 340, 45),
            g.line((cx - 90, cy + 40), (cx - 60, cy + 120), 45),
            g.line((cx, cy + 50), (cx, cy + 135), 45),
            g.line((cx + 90, cy + 40), (cx + 60, cy + 120), 45)]


def maya():
    signs = {}
    cx, cy = ADVANCE / 2, 500
    for value in range(20):
        parts = [g.rounded_box(*FRAME, FRAME_RADIUS, PEN)]
        parts += _shell(cx, cy) if value == 0 else _numeral(value, cx, cy)
        code = 118 + value if value < 9 else 151 + value
        signs[code] = Sketch.of(ADVANCE, *parts)
    return signs
