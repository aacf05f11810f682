"""Fingernumbers (Glyfa08c 245-254): counting on the fingers.

0 is a fist; 1 to 5 one hand raising the index finger, then the middle,
ring and little finger, then the thumb; 6 to 9 an open hand beside a second
hand raising one to four fingers. The row is drawn bold by the program
(synthetic emboldening adds about 2 pixels at its 48-pixel height), so the
fingers are thin and fan out far enough to stay apart.

The hand is drawn with its thumb on the right (a left hand seen from the
palm); the second hand of 6 to 9 is its mirror image, so that the thumbs of
the pair face each other.
"""

from . import geometry as g
from .sketch import Sketch

PEN = 60
PALM = (130, 40, 530, 480)    # centre lines of the palm's outline
PALM_RADIUS = 110
# Fingers from the little finger to the index: base on the palm's top, tip.
FINGERS = (
    ((195, 480), (60, 770)),    # little finger
    ((290, 480), (235, 915)),   # ring finger
    ((385, 480), (410, 965)),   # middle finger
    ((475, 480), (585, 905)),   # index finger
)
THUMB = ((530, 230), (730, 470))
KNUCKLE_RADIUS = 42
HAND_WIDTH = 790              # advance of a one-hand sign
PAIR_GAP = 30                 # extra room between the two hands of 6 to 9


def _knuckle(base):
    """A folded finger: a small bump on the palm's top edge."""
    x, y = base
    return g.arc(x, y, KNUCKLE_RADIUS, 0, 180, PEN)


def hand(raised):
    """A hand raising the first `raised` fingers (index first, thumb fifth)."""
    parts = [g.rounded_box(*PALM, PALM_RADIUS, PEN)]
    order = (3, 2, 1, 0)  # index, middle, ring, little finger
    up = set(order[:min(raised, 4)])
    for i, (base, tip) in enumerate(FINGERS):
        parts.append(g.line(base, tip, PEN) if i in up else _knuckle(base))
    if raised >= 5:
        parts.append(g.line(*THUMB, PEN))
    return [c for part in parts for c in part]


def fist():
    """Four knuckles over the palm, the thumb folded across the fingers."""
    parts = [g.rounded_box(*PALM, PALM_RADIUS, PEN)]
    for base, _ in FINGERS:
        parts.append(_knuckle(base))
    parts.append(g.line((PALM[2], 300), (290, 300), PEN))
    return [c for part in parts for c in part]


def fingernumbers():
    signs = {245: Sketch.of(HAND_WIDTH, fist())}
    for value in range(1, 6):
        signs[245 + value] = Sketch.of(HAND_WIDTH, hand(value))
    pair_width = 2 * HAND_WIDTH + PAIR_GAP
    for value in range(6, 10):
        second = g.mirror_x(hand(value - 5), HAND_WIDTH + PAIR_GAP / 2)
        signs[245 + value] = Sketch.of(pair_width, hand(5), second)
    return signs
