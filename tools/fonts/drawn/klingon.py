"""Klingon (Glyfa08d 243-252): digits in the sharp, blade-like style of pIqaD.

No text describes the individual digit shapes, so these are our own: 0 is
a hollow pointed lozenge; 1 to 4 a tall narrow blade with one to four barbs
on its right edge; 5 a chevron-shaped blade pointing right; 6 to 9 the
chevron with one to four barbs on its upper edge.
"""

import math

from . import geometry as g
from .sketch import Sketch

BARB_LENGTH = 210
BARB_BASE = 70                # half the barb's base along the edge

# The blade's right edge, bottom to top, then its left edge back down.
BLADE_RIGHT = ((175, 15), (270, 430), (235, 985))
BLADE_LEFT = ((105, 420),)
BLADE_BARB_HEIGHTS = {1: (680,), 2: (760, 540), 3: (800, 620, 440), 4: (820, 660, 500, 340)}

CHEVRON = ((60, 850), (570, 445), (60, 40), (250, 445))  # top end, point, bottom end, notch
# barbs per digit: fractions along the chevron's upper edge, from its tail
CHEVRON_BARBS = {1: (0.5,), 2: (0.35, 0.65), 3: (0.22, 0.5, 0.78), 4: (0.16, 0.39, 0.62, 0.85)}
CHEVRON_BARB_LENGTH = 170


def _edge_x(edge, y):
    for (x0, y0), (x1, y1) in zip(edge, edge[1:]):
        if y0 <= y <= y1:
            return x0 + (x1 - x0) * (y - y0) / (y1 - y0)
    raise ValueError("height outside the edge")


def _barb_on_right_edge(edge, y):
    """A barb leaning upwards off the blade's right edge at height y."""
    lo, hi = y - BARB_BASE, y + BARB_BASE
    return g.polygon([(_edge_x(edge, lo) - 20, lo), (_edge_x(edge, y) + BARB_LENGTH, y + 130),
                      (_edge_x(edge, hi) - 20, hi)])


def _blade(barbs):
    parts = [g.polygon(list(BLADE_RIGHT) + list(BLADE_LEFT))]
    for y in BLADE_BARB_HEIGHTS.get(barbs, ()):
        parts.append(_barb_on_right_edge(BLADE_RIGHT, y))
    return parts


def _barb_on_segment(p, q, t, outward, reach):
    """A barb standing off segment p-q at fraction t, towards `outward`."""
    length = math.hypot(q[0] - p[0], q[1] - p[1])
    ux, uy = (q[0] - p[0]) / length, (q[1] - p[1]) / length
    nx, ny = outward
    bx, by = p[0] + ux * length * t, p[1] + uy * length * t
    inset = 20
    return g.polygon([(bx - ux * BARB_BASE - nx * inset, by - uy * BARB_BASE - ny * inset),
                      (bx + nx * reach - ux * 50, by + ny * reach - uy * 50),
                      (bx + ux * BARB_BASE - nx * inset, by + uy * BARB_BASE - ny * inset)])


def _chevron(barbs):
    top, point = CHEVRON[0], CHEVRON[1]
    parts = [g.polygon(list(CHEVRON))]
    d = (point[0] - top[0], point[1] - top[1])
    n = math.hypot(*d)
    for t in CHEVRON_BARBS.get(barbs, ()):
        parts.append(_barb_on_segment(top, point, t, (-d[1] / n, d[0] / n), CHEVRON_BARB_LENGTH))
    return parts


def _lozenge():
    outer = g.polygon([(240, 10), (400, 500), (240, 990), (80, 500)])
    hole = g.polygon([(240, 250), (300, 500), (240, 750), (180, 500)])
    hole = [[hole[0][0]] + hole[0][:0:-1]]  # clockwise: a hole
    return outer + hole


def klingon():
    signs = {243: Sketch.of(480, _lozenge())}
    for digit in range(1, 5):
        signs[243 + digit] = Sketch.of(560, *_blade(digit))
    for digit in range(5, 10):
        signs[243 + digit] = Sketch.of(660, *_chevron(digit - 5))
    return signs
