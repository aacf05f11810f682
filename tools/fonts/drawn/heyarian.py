"""Heyarian (Glyfa08b 195-202): an additive system read from the units up.

Every number stands between two delimiters (a narrow ladder); a unit is a
short upright stroke, a ten a small circle, and the invented signs for five
units (a long stroke with a crossbar), five tens (a circle with a dot), a
hundred (a triangle), a thousand (a square) and ten thousand (a diamond)
keep to the same small size. A number may need 37 signs, so they are
narrow.
"""

from . import geometry as g
from .sketch import Sketch

PEN = 70
MID = 500


OUTLINE_PEN = 58


def _delimiter():
    rails = [g.rect(35, 0, 95, 1000), g.rect(185, 0, 245, 1000)]
    rungs = [g.rect(35, y - 25, 245, y + 25) for y in (250, 500, 750)]
    return Sketch.of(280, *rails, *rungs)


def heyarian():
    h = OUTLINE_PEN / 2
    unit_x = 75
    five_x = 140
    ten_x, ten_r = 150, 95
    fifty_x, fifty_r = 170, 120
    return {
        195: _delimiter(),
        196: Sketch.of(150, g.line((unit_x, MID - 170), (unit_x, MID + 170), PEN)),
        201: Sketch.of(280, g.line((five_x, 130), (five_x, 870), PEN),
                       g.line((five_x - 95, MID), (five_x + 95, MID), PEN)),
        197: Sketch.of(300, g.ring(ten_x, MID, ten_r, PEN)),
        202: Sketch.of(340, g.ring(fifty_x, MID, fifty_r, PEN), g.disc(fifty_x, MID, 45)),
        198: Sketch.of(340, g.polyline([(30 + 1.7 * h, MID - 125 + h), (310 - 1.7 * h, MID - 125 + h),
                                         (170, MID + 150 - 2 * h)],
                                        OUTLINE_PEN, join="miter", closed=True)),
        199: Sketch.of(310, g.box(40 + h, MID - 120 + h, 270 - h, MID + 120 - h, OUTLINE_PEN)),
        200: Sketch.of(350, g.polyline([(175, MID + 175 - 1.4 * h), (320 - 1.2 * h, MID),
                                         (175, MID - 175 + 1.4 * h), (30 + 1.2 * h, MID)],
                                        OUTLINE_PEN, join="miter", closed=True)),
    }
