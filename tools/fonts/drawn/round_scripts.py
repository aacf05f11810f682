"""Fictional digits of rings, arcs, dots and waves.

No public description of these digit shapes was found; the designs are our
own:

- SpaceKees (Glyfa08 229-238): a ring with 0 to 9 short rays; the rays fill
  nine fixed places clockwise from 12 o'clock, so the gap tells the count.
- Futurama (Glyfa08c 197-206): rounded forms; a small ring for 0, a cup
  holding 1 to 4 dots for 1 to 4, a ring with a centre dot for 5, a cap over
  1 to 4 dots for 6 to 9.
- Stargate (Glyfa08c 213-222): constellations; d dots on a 3 x 3 grid in
  reading order, each joined to the next by a thin line; 0 a small ring.
- Tenctonese (Glyfa08c 85-94): a wave trace along a base line that joins
  its neighbours, one hump for 0 to 4 and two for 5 to 9, with 0 to 4
  small ticks below the line.
"""

from . import geometry as g
from .sketch import Sketch


# SpaceKees -----------------------------------------------------------------

KEES_ADVANCE = 1000
KEES_PEN = 75
KEES_RING = 200
KEES_RAY = (275, 425)         # rays run between these radii
KEES_PLACES = 9


def spacekees():
    cx, cy = KEES_ADVANCE / 2, 500
    signs = {}
    for value in range(10):
        parts = [g.ring(cx, cy, KEES_RING, KEES_PEN)]
        for k in range(value):
            angle = 90 - k * 360 / KEES_PLACES
            parts.append(g.line(g.point_on_arc(cx, cy, KEES_RAY[0], angle),
                                g.point_on_arc(cx, cy, KEES_RAY[1], angle), 70))
        signs[229 + value] = Sketch.of(KEES_ADVANCE, *parts)
    return signs


# Futurama ------------------------------------------------------------------

FUTURAMA_ADVANCE = 920
FUTURAMA_PEN = 80
DOT_RADIUS = 52
DOT_PITCH = 165
DOT_LAYOUTS = {              # dot centres relative to the group's centre
    1: ((0, 0),),
    2: ((-0.5, 0), (0.5, 0)),
    3: ((-0.5, -0.45), (0.5, -0.45), (0, 0.45)),
    4: ((-0.5, -0.5), (0.5, -0.5), (-0.5, 0.5), (0.5, 0.5)),
}


def _dots(count, cx, cy, flip):
    sign = -1 if flip else 1
    return [g.disc(cx + dx * DOT_PITCH, cy + sign * dy * DOT_PITCH, DOT_RADIUS)
            for dx, dy in DOT_LAYOUTS[count]]


def futurama():
    cx = FUTURAMA_ADVANCE / 2
    r = 350
    signs = {197: Sketch.of(FUTURAMA_ADVANCE, g.ring(cx, 500, 190, FUTURAMA_PEN)),
             202: Sketch.of(FUTURAMA_ADVANCE, g.ring(cx, 500, 330, FUTURAMA_PEN), g.disc(cx, 500, 80))}
    for count in range(1, 5):
        # A cup: the lower half of a circle whose rim is at y = 600.
        cup = g.arc(cx, 600, r, 180, 360, FUTURAMA_PEN)
        signs[197 + count] = Sketch.of(FUTURAMA_ADVANCE, cup, *_dots(count, cx, 470, flip=False))
        cap = g.arc(cx, 400, r, 0, 180, FUTURAMA_PEN)
        signs[202 + count] = Sketch.of(FUTURAMA_ADVANCE, cap, *_dots(count, cx, 530, flip=True))
    return signs


# Stargate --------------------------------------------------------------------

STARGATE_ADVANCE = 920
STARGATE_STEP = 330
STARGATE_DOT = 72
STARGATE_LINE = 40


def stargate():
    cx = STARGATE_ADVANCE / 2
    grid = [(cx + (col - 1) * STARGATE_STEP, 500 + (1 - row) * STARGATE_STEP)
            for row in range(3) for col in range(3)]
    signs = {213: Sketch.of(STARGATE_ADVANCE, g.ring(cx, 500, 150, 60))}
    for value in range(1, 10):
        stars = grid[:value]
        parts = [g.disc(x, y, STARGATE_DOT) for x, y in stars]
        if value > 1:
            parts.append(g.polyline(stars, STARGATE_LINE))
        signs[213 + value] = Sketch.of(STARGATE_ADVANCE, *parts)
    return signs


# Tenctonese -----------------------------------------------------------------

TENCTONESE_PEN = 70
BASE_Y = 330
HUMP = (150, 520)             # half-width and height of a hump's centre line
# Two humps stand a little further apart than touching, so that their
# strokes cross cleanly instead of meeting along a tangent.
HUMP_STEP = 2 * HUMP[0] + 60
TICK_PITCH = 115


def tenctonese():
    h = TENCTONESE_PEN / 2
    signs = {}
    for value in range(10):
        humps = 2 if value >= 5 else 1
        lead = 110
        width = lead * 2 + 2 * HUMP[0] + (humps - 1) * HUMP_STEP
        parts = [g.line((0, BASE_Y), (width, BASE_Y), TENCTONESE_PEN, cap="butt")]
        for k in range(humps):
            cx = lead + HUMP[0] + k * HUMP_STEP
            parts.append(g.elliptic_arc(cx, BASE_Y, HUMP[0], HUMP[1], 0, 180, TENCTONESE_PEN, cap="butt"))
        ticks = value % 5
        for k in range(ticks):
            x = width / 2 + (k - (ticks - 1) / 2) * TICK_PITCH
            parts.append(g.line((x, BASE_Y), (x, BASE_Y - 230), TENCTONESE_PEN, cap="butt"))
        signs[85 + value] = Sketch.of(width, *parts)
    return signs
