"""D'Ni digits (Glyfa08c 171-195): base 25, every digit in a square box.

The four basic marks stand for 1 to 4; the same marks turned a quarter
anticlockwise stand for 5, 10, 15 and 20, and every digit 5a + b shows the
turned mark of a over the upright mark of b; 0 is the box with a dot.
Marks are given in box coordinates (0..1 both ways, y up).

The top and bottom edges run a little past the corners, and the box's
right side lies exactly where the next digit's left side is drawn, so a
number is one strip of boxes sharing their sides.
"""

from . import geometry as g
from .sketch import Sketch

PEN = 70
EDGE_OVERRUN = 50
SIDE = 1000 - PEN            # box side between the pen's centre lines
ADVANCE = SIDE               # the next box's left side is this box's right side
LEFT = EDGE_OVERRUN + PEN / 2
BOTTOM = PEN / 2
OVERHANG = int(EDGE_OVERRUN * 2 + PEN)

# The basic marks: lists of strokes, a stroke being ("line" | "arc", points).
MARKS = {
    1: [("line", [(0.5, 0.0), (0.5, 1.0)])],                  # upright middle line
    2: [("arc", [(0.0, 1.0), (0.36, 0.5), (0.0, 0.0)])],      # arc on the left side
    3: [("line", [(0.0, 1.0), (0.44, 0.5), (0.0, 0.0)])],     # angle on the left side
    4: [("line", [(0.75, 0.0), (0.75, 0.5), (1.0, 0.5)])],    # corner in the lower right
}


def _turned(strokes):
    """The marks turned a quarter anticlockwise about the box's centre."""
    return [(kind, [(1.0 - v, u) for u, v in points]) for kind, points in strokes]


def _to_box(point):
    u, v = point
    return LEFT + u * SIDE, BOTTOM + v * SIDE


def _stroke(kind, points):
    pts = [_to_box(p) for p in points]
    if kind == "arc":
        return g.arc_stroke_through(pts[0], pts[1], pts[2], PEN)
    return g.polyline(pts, PEN, join="miter")


def _frame():
    right = LEFT + SIDE
    h = PEN / 2
    width = right + h + EDGE_OVERRUN
    # The sides end inside the edges, so that no two outlines run along
    # each other (which overlap removal handles badly).
    return [g.rect(0, BOTTOM - h, width, BOTTOM + h),
            g.rect(0, BOTTOM + SIDE - h, width, BOTTOM + SIDE + h),
            g.rect(LEFT - h, BOTTOM, LEFT + h, BOTTOM + SIDE),
            g.rect(right - h, BOTTOM, right + h, BOTTOM + SIDE)]


def dni():
    signs = {}
    for value in range(25):
        fives, units = divmod(value, 5)
        parts = _frame()
        strokes = (_turned(MARKS[fives]) if fives else []) + (MARKS[units] if units else [])
        parts += [_stroke(kind, points) for kind, points in strokes]
        if value == 0:
            cx, cy = _to_box((0.5, 0.5))
            parts.append(g.disc(cx, cy, 85))
        signs[171 + value] = Sketch.of(ADVANCE, *parts)
    return signs
