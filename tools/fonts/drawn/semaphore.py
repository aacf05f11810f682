"""Semaphore (Glyfa08c 131-140): a signaller holding two flags.

After the numeral sign, flag semaphore writes 1 to 9 with the letters A to
I and 0 with K. Directions are clock positions as the viewer sees the
signaller (6:00 hangs straight down). Each arm comes from the shoulder on
the viewer's left ("L") or right ("R") and ends in a square flag divided
diagonally, its outer half filled.
"""

import math

from . import geometry as g
from .sketch import Sketch

ADVANCE = 1100
CX = ADVANCE / 2
BODY_PEN = 55
FLAG_PEN = 36
SHOULDER_Y = 640
SHOULDER_HALF = 125
ARM = 330
FLAG = 185
CROSSING_EXTRA = 75
HEAD_Y = 810
HEAD_RADIUS = 62
HIP_Y = 330
FOOT_HALF = 120

# digit -> (clock position of the L arm, clock position of the R arm)
ARMS = {
    1: (7.5, 6.0),    # A
    2: (9.0, 6.0),    # B
    3: (10.5, 6.0),   # C
    4: (12.0, 6.0),   # D
    5: (6.0, 1.5),    # E
    6: (6.0, 3.0),    # F
    7: (6.0, 4.5),    # G
    8: (9.0, 7.5),    # H: the R arm crosses the body
    9: (10.5, 7.5),   # I: the R arm crosses the body
    0: (7.5, 12.0),   # K
}


def _clock_direction(hour):
    angle = math.radians(90 - 30 * hour)
    return math.cos(angle), math.sin(angle)


def _arm(shoulder, hour, side):
    """The arm and pole from the shoulder, with its flag at the end."""
    ux, uy = _clock_direction(hour)
    ux, uy = round(ux, 12), round(uy, 12)
    # An arm held across the body reaches further, so that its flag clears the body.
    reach = ARM + CROSSING_EXTRA if ux * side < 0 else ARM
    end = (shoulder[0] + reach * ux, shoulder[1] + reach * uy)
    # The flag stands off the pole on the side away from the body.
    if abs(ux) < 1e-9:
        nx, ny = side, 0.0
    elif abs(uy) < 1e-9:
        nx, ny = 0.0, 1.0
    else:
        nx, ny = (-uy, ux) if (-uy) * ux > 0 else (uy, -ux)
    hoist = (end[0] - FLAG * ux, end[1] - FLAG * uy)
    fly_end = (end[0] + FLAG * nx, end[1] + FLAG * ny)
    fly_hoist = (hoist[0] + FLAG * nx, hoist[1] + FLAG * ny)
    return [g.line(shoulder, end, BODY_PEN),
            g.polyline([end, fly_end, fly_hoist, hoist], FLAG_PEN, join="miter", closed=True),
            g.polygon([end, fly_end, fly_hoist])]


def _figure():
    return [g.disc(CX, HEAD_Y, HEAD_RADIUS),
            g.line((CX, HEAD_Y - HEAD_RADIUS), (CX, HIP_Y), BODY_PEN),
            g.line((CX - SHOULDER_HALF, SHOULDER_Y), (CX + SHOULDER_HALF, SHOULDER_Y), BODY_PEN),
            g.polyline([(CX - FOOT_HALF, BODY_PEN / 2), (CX, HIP_Y), (CX + FOOT_HALF, BODY_PEN / 2)],
                       BODY_PEN)]


def semaphore():
    signs = {}
    left = (CX - SHOULDER_HALF, SHOULDER_Y)
    right = (CX + SHOULDER_HALF, SHOULDER_Y)
    for digit, (left_hour, right_hour) in ARMS.items():
        parts = _figure() + _arm(left, left_hour, -1.0) + _arm(right, right_hour, 1.0)
        signs[131 + digit] = Sketch.of(ADVANCE, *parts)
    return signs
