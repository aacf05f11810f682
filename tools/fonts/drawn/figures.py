"""Dancing Men (Glyfa08d 111-120): little stick figures as digits.

The cipher of the story writes letters only, so these digits are our own:
the pose of the arms counts 0 to 4 (both down, right arm up, both up, both
out, left arm up; right and left as the viewer sees them) and the legs add
five (together for 0 to 4, apart for 5 to 9). The program draws the row
bold, so the arms keep well clear of the head.
"""

from . import geometry as g
from .sketch import Sketch

PEN = 60
ADVANCE = 760
CX = ADVANCE / 2
HEAD = (CX, 870, 90)          # centre x, centre y, radius
SHOULDER = (CX, 680)
HIP = (CX, 370)
FOOT_Y = PEN / 2

# Arm ends relative to the shoulder.
ARM_DOWN = (190, -230)
ARM_UP = (280, 200)
ARM_OUT = (300, 0)

# digit mod 5 -> (left arm, right arm)
ARM_POSES = {
    0: (ARM_DOWN, ARM_DOWN),
    1: (ARM_DOWN, ARM_UP),
    2: (ARM_UP, ARM_UP),
    3: (ARM_OUT, ARM_OUT),
    4: (ARM_UP, ARM_DOWN),
}


def _legs(apart):
    if apart:
        return g.polyline([(CX - 210, FOOT_Y), HIP, (CX + 210, FOOT_Y)], PEN)
    # Legs together: one line down, with the feet turned out.
    return (g.line(HIP, (CX, FOOT_Y), PEN)
            + g.polyline([(CX - 110, FOOT_Y), (CX + 110, FOOT_Y)], PEN))


def dancing_men():
    signs = {}
    sx, sy = SHOULDER
    for digit in range(10):
        left, right = ARM_POSES[digit % 5]
        parts = [g.disc(*HEAD),
                 g.line((CX, HEAD[1] - HEAD[2]), HIP, PEN),
                 g.line(SHOULDER, (sx - left[0], sy + left[1]), PEN),
                 g.line(SHOULDER, (sx + right[0], sy + right[1]), PEN),
                 _legs(digit >= 5)]
        signs[111 + digit] = Sketch.of(ADVANCE, *parts)
    return signs
