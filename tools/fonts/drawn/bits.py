"""Digit designs whose strokes spell out the digit's value.

Four Line, Ecclemony and Diamond (hexadecimal) show the four bits 8, 4, 2,
1 of a digit; Quadnary (base 4) counts inner strokes; Pekrif (dozenal)
points a clock hand at the digit's hour.
"""

import math

from . import geometry as g
from .sketch import Sketch, bits

# Four Line (Glyfa08d 171-186): four stacked strokes, the top one for the
# bit 8, the bottom one for the bit 1; a long stroke is a 1, a short centred
# dash a 0.
FOUR_LINE_PEN = 110
FOUR_LINE_LONG = 520
FOUR_LINE_SHORT = 150
FOUR_LINE_ADVANCE = 680


def four_line():
    h = FOUR_LINE_PEN / 2
    pitch = (1000 - FOUR_LINE_PEN) / 3
    cx = FOUR_LINE_ADVANCE / 2
    signs = {}
    for value in range(16):
        parts = []
        for row, bit in enumerate(bits(value, 4)):
            y = 1000 - h - row * pitch
            half = (FOUR_LINE_LONG if bit else FOUR_LINE_SHORT) / 2
            parts.append(g.rect(cx - half, y - h, cx + half, y + h))
        signs[171 + value] = Sketch.of(FOUR_LINE_ADVANCE, *parts)
    return signs


# Ecclemony (Glyfa08d 187-202): a circle with a hub; a spoke from the hub to
# 12, 3, 6 or 9 o'clock for each of the bits 8, 4, 2, 1.
ECCLEMONY_PEN = 90
ECCLEMONY_RADIUS = 450
ECCLEMONY_ADVANCE = 1120
_CLOCK_ANGLES = (90, 0, 270, 180)  # 12, 3, 6 and 9 o'clock


def ecclemony():
    cx, cy = ECCLEMONY_ADVANCE / 2, 500
    r = ECCLEMONY_RADIUS
    signs = {}
    for value in range(16):
        parts = [g.ring(cx, cy, r, ECCLEMONY_PEN), g.disc(cx, cy, 80)]
        for angle, bit in zip(_CLOCK_ANGLES, bits(value, 4)):
            if bit:
                end = g.point_on_arc(cx, cy, r, angle)
                parts.append(g.line((cx, cy), end, ECCLEMONY_PEN, cap="butt"))
        signs[187 + value] = Sketch.of(ECCLEMONY_ADVANCE, *parts)
    return signs


# Diamond (Glyfa08d 207-222): a diamond whose edge midpoints are joined by a
# thin inner square; the corner triangle at the top, right, bottom or left
# is filled for each of the bits 8, 4, 2, 1.
DIAMOND_PEN = 75
DIAMOND_GUIDE_PEN = 40
DIAMOND_HALF = 455
DIAMOND_ADVANCE = 1080


def diamond():
    cx, cy = DIAMOND_ADVANCE / 2, 500
    # The outline's mitred corners reach h * sqrt(2) past the centre line.
    d = DIAMOND_HALF - DIAMOND_PEN / 2 * math.sqrt(2) + DIAMOND_PEN / 2
    corners = [(cx, cy + d), (cx + d, cy), (cx, cy - d), (cx - d, cy)]  # top, right, bottom, left
    mids = [((corners[i][0] + corners[(i + 1) % 4][0]) / 2,
             (corners[i][1] + corners[(i + 1) % 4][1]) / 2) for i in range(4)]
    signs = {}
    for value in range(16):
        parts = [g.polyline(corners, DIAMOND_PEN, join="miter", closed=True),
                 g.polyline(mids, DIAMOND_GUIDE_PEN, join="miter", closed=True)]
        for i, bit in enumerate(bits(value, 4)):
            if bit:
                parts.append(g.polygon([corners[i], mids[i], mids[i - 1]]))
        signs[207 + value] = Sketch.of(DIAMOND_ADVANCE, *parts)
    return signs


# Quadnary (Glyfa08d 203-206): a square with 0 to 3 inner upright strokes.
QUADNARY_PEN = 90
QUADNARY_SIDE = 860
QUADNARY_ADVANCE = 1040


def quadnary():
    h = QUADNARY_PEN / 2
    x0 = (QUADNARY_ADVANCE - QUADNARY_SIDE) / 2 + h
    x1 = x0 + QUADNARY_SIDE - QUADNARY_PEN
    y0, y1 = (1000 - QUADNARY_SIDE) / 2 + h, (1000 + QUADNARY_SIDE) / 2 - h
    signs = {}
    for value in range(4):
        parts = [g.box(x0, y0, x1, y1, QUADNARY_PEN)]
        for k in range(value):
            x = x0 + (x1 - x0) * (k + 1) / (value + 1)
            parts.append(g.rect(x - h, y0, x + h, y1))
        signs[203 + value] = Sketch.of(QUADNARY_ADVANCE, *parts)
    return signs


# Pekrif (Glyfa08d 48-59): a clock face with one hand pointing at the
# digit's hour (12 o'clock for 0).
PEKRIF_PEN = 80
PEKRIF_RADIUS = 450
PEKRIF_HAND = 330
PEKRIF_ADVANCE = 1100


def pekrif():
    cx, cy = PEKRIF_ADVANCE / 2, 500
    signs = {}
    for value in range(12):
        angle = 90 - 30 * value
        tip = g.point_on_arc(cx, cy, PEKRIF_HAND, angle)
        parts = [g.ring(cx, cy, PEKRIF_RADIUS, PEKRIF_PEN), g.disc(cx, cy, 75),
                 g.line((cx, cy), tip, 95)]
        signs[48 + value] = Sketch.of(PEKRIF_ADVANCE, *parts)
    return signs
