"""The Kaktovik numerals (U+1D2C0..U+1D2D3), base 20, for the text row.

No packaged vector font draws them, so the program carries its own: each
digit 1..19 is one line drawn without lifting the pen, a fives part of
nearly horizontal strokes stacked in a zigzag above, and a units part of
steep strokes hanging from the left end of the lowest five-stroke, as the
Unicode chart shows them (the digits with more fives stand taller; the
units zone is the same for all). Zero is an X over a bowl, set higher.

Design box 1000 high (y up, 0 the bottom of the band), advance 700, one pen
of 90 units with round caps and joins, as the other drawn signs.
"""

from . import geometry as g
from .sketch import Sketch

FIRST = 0x1D2C0  # KAKTOVIK NUMERAL ZERO
PEN = 90
ADVANCE = 700

ANCHOR = (70, 600)  # the left end of the lowest five-stroke
FIVES = ((630, 710), (70, 820), (630, 930))  # the ends of the 1st, 2nd and 3rd five-stroke
UNITS = ((210, 0), (350, 480), (490, 0), (630, 480))  # down, up, down, up from the anchor


def digit_path(d):
    """The points of digit 1..19, from the top end of its fives to its last unit stroke."""
    fives, units = divmod(d, 5)
    return list(reversed(FIVES[:fives])) + [ANCHOR] + list(UNITS[:units])


def _zero():
    return Sketch.of(ADVANCE,
                     g.line((150, 760), (450, 330), PEN),
                     g.line((450, 760), (150, 330), PEN),
                     g.arc(300, 330, 150, 180, 360, PEN))


def kaktovik():
    """Code point -> Sketch for the twenty digits."""
    signs = {FIRST: _zero()}
    for d in range(1, 20):
        signs[FIRST + d] = Sketch.of(ADVANCE, g.polyline(digit_path(d), PEN))
    return signs
