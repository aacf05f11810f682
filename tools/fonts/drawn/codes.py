"""Code rows: the Post code / Dual code bars and the Staff numbers."""

from . import geometry as g
from .sketch import Sketch

# Post code and Dual code (Glyfa08c): a bar cell is as wide as the font's
# blank (512 of 2048 units at the rows' 27 and 28 pixels is about 200 design
# units), so bars and gaps alternate evenly.
BAR_ADVANCE = 200
BAR_WIDTH = 90


def bars():
    """106: the full-height bar (Dual code 1, Post code bar); 105: Dual code 0."""
    x0 = (BAR_ADVANCE - BAR_WIDTH) / 2
    x1 = x0 + BAR_WIDTH
    return {
        105: Sketch.of(BAR_ADVANCE, g.rect(x0, 0, x1, 500)),
        106: Sketch.of(BAR_ADVANCE, g.rect(x0, 0, x1, 1000)),
    }


# Staff numbers (Glyfa08d 233-242): the unit marks of the Cistercian
# numerals on the upper right of a vertical staff.
STAFF_PEN = 90
STAFF_X = 120
STAFF_QUADRANT = 330
_STAFF_TOP = 1000 - STAFF_PEN / 2
_STAFF_SECOND = _STAFF_TOP - STAFF_QUADRANT


def _staff_mark(kind):
    x0, x1 = STAFF_X, STAFF_X + STAFF_QUADRANT
    top, second = _STAFF_TOP, _STAFF_SECOND
    ends = {
        "top": ((x0, top), (x1, top)),
        "second": ((x0, second), (x1, second)),
        "fall": ((x0, top), (x1, second)),
        "rise": ((x0, second), (x1, top)),
        "side": ((x1, second), (x1, top)),
    }[kind]
    return g.line(ends[0], ends[1], STAFF_PEN)


STAFF_MARKS = {
    0: (), 1: ("top",), 2: ("second",), 3: ("fall",), 4: ("rise",),
    5: ("top", "rise"), 6: ("side",), 7: ("top", "side"),
    8: ("second", "side"), 9: ("top", "second", "side"),
}


def staff_numbers():
    advance = STAFF_X + STAFF_QUADRANT + STAFF_PEN / 2 + 115
    signs = {}
    for digit, marks in STAFF_MARKS.items():
        parts = [g.line((STAFF_X, STAFF_PEN / 2), (STAFF_X, _STAFF_TOP), STAFF_PEN)]
        parts += [_staff_mark(m) for m in marks]
        signs[233 + digit] = Sketch.of(advance, *parts)
    return signs
