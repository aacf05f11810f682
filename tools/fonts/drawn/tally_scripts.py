"""Fictional digits built by counting strokes: each row has its own motif.

No public description of these digit shapes was found; the designs are our
own and count their units with strokes a reader can tell apart at the
rows' size:

- Gorwelion (Glyfa08c 223-234), "the horizontal letters": a horizontal
  stroke crossed by 1 to 4 short uprights (a small ring for 0), two
  horizontals for 5 to 9; bracket-like opening and closing signs.
- Ath-Seikai (Glyfa08c 108-117): an upright stem with 1 to 9 short ticks
  rising from it, right and left in turn from the top; 0 a shorter stem with
  a small ring on top.
- Narn (Glyfa08c 235-244): 1 to 4 steep backslashes; a short thick bar for
  0; a heavy slash crossed by a bar for 5, with 1 to 4 small backslashes
  beside it for 6 to 9.
- Zentlardy (Glyfa08c 95-104): an upright with 1 to 4 spurs to the upper
  right, a square bracket for 0; a Z-shaped zigzag for 5, with 1 to 4 spurs
  off its diagonal for 6 to 9.
- Oxidilogi (Glyfa08c 207-212): 0 (also the row's lead-in sign) a small
  ring, 1 to 4 strokes hanging from a top bar, 5 a filled down-pointing
  triangle (6 to 9 are written as 1 to 4 followed by the 5 sign).
"""

from . import geometry as g
from .sketch import Sketch


# Gorwelion ---------------------------------------------------------------

GORWELION_PEN = 80
GORWELION_ADVANCE = 720


def _gorwelion_digit(value):
    left, right = 70, GORWELION_ADVANCE - 70
    cx = GORWELION_ADVANCE / 2
    double = value >= 5
    count = value % 5
    levels = (380, 620) if double else (500,)
    parts = [g.line((left, y), (right, y), GORWELION_PEN, cap="butt") for y in levels]
    reach = 260 if double else 190
    pitch = 120
    for k in range(count):
        x = cx + (k - (count - 1) / 2) * pitch
        parts.append(g.line((x, 500 - reach), (x, 500 + reach), GORWELION_PEN, cap="butt"))
    if count == 0 and not double:
        parts.append(g.ring(cx, 500, 95, GORWELION_PEN))
    return Sketch.of(GORWELION_ADVANCE, *parts)


def _gorwelion_frame(opening):
    pen = GORWELION_PEN
    stem = 110 if opening else 230
    foot = 250 if opening else 90
    shape = g.polyline([(foot, pen / 2), (stem, pen / 2), (stem, 1000 - pen / 2), (foot, 1000 - pen / 2)],
                       pen, cap="butt", join="miter")
    return Sketch.of(340, shape)


def gorwelion():
    signs = {223 + value: _gorwelion_digit(value) for value in range(10)}
    signs[233] = _gorwelion_frame(opening=True)
    signs[234] = _gorwelion_frame(opening=False)
    return signs


# Ath-Seikai ---------------------------------------------------------------

ATH_PEN = 75
ATH_ADVANCE = 520
ATH_TICK = (165, 70)          # a tick rises outwards from the stem by this much
ATH_FIRST_TICK = 875
ATH_TICK_STEP = 92


def ath_seikai():
    cx = ATH_ADVANCE / 2
    h = ATH_PEN / 2
    signs = {108: Sketch.of(ATH_ADVANCE, g.line((cx, h), (cx, 690), ATH_PEN),
                            g.ring(cx, 840, 105, ATH_PEN))}
    for value in range(1, 10):
        parts = [g.line((cx, h), (cx, 1000 - h), ATH_PEN)]
        for k in range(value):
            y = ATH_FIRST_TICK - k * ATH_TICK_STEP
            side = 1 if k % 2 == 0 else -1
            parts.append(g.line((cx, y), (cx + side * ATH_TICK[0], y + ATH_TICK[1]), ATH_PEN))
        signs[108 + value] = Sketch.of(ATH_ADVANCE, *parts)
    return signs


# Narn ----------------------------------------------------------------------

NARN_PEN = 80
NARN_PITCH = 150


def _backslashes(count, x0, top, bottom, lean, pen):
    return [g.line((x0 + k * NARN_PITCH, top), (x0 + k * NARN_PITCH + lean, bottom), pen)
            for k in range(count)]


def narn():
    signs = {235: Sketch.of(480, g.rect(80, 420, 400, 580))}
    for value in range(1, 5):
        width = 2 * 90 + 160 + (value - 1) * NARN_PITCH
        signs[235 + value] = Sketch.of(width, *_backslashes(value, 90, 930, 70, 160, NARN_PEN))
    for value in range(5, 10):
        count = value - 5
        slash = [g.line((80, 70), (330, 930), 130), g.line((60, 500), (350, 500), NARN_PEN)]
        marks = []
        for k in range(count):
            x = 420 + k * 120
            marks.append(g.line((x, 720), (x + 90, 280), 70))
        width = 440 + (count * 120 + 60 if count else 0)
        signs[235 + value] = Sketch.of(width, *slash, *marks)
    return signs


# Zentlardy -------------------------------------------------------------------

ZENT_PEN = 80
ZENT_SPUR = (170, 110)


def zentlardy():
    h = ZENT_PEN / 2
    stem_x = 130
    top, bottom = 1000 - h, h
    signs = {95: Sketch.of(480, g.polyline([(400, top), (stem_x, top), (stem_x, bottom), (400, bottom)],
                                           ZENT_PEN, cap="butt", join="miter"))}
    for value in range(1, 5):
        parts = [g.line((stem_x, bottom), (stem_x, top), ZENT_PEN, cap="butt")]
        for k in range(value):
            y = 760 - k * 190
            parts.append(g.line((stem_x, y), (stem_x + ZENT_SPUR[0], y + ZENT_SPUR[1]), ZENT_PEN))
        signs[95 + value] = Sketch.of(440, *parts)
    z_left, z_right = 90, 540
    zigzag = g.polyline([(z_left, top), (z_right, top), (z_left, bottom), (z_right, bottom)],
                        ZENT_PEN, cap="butt", join="miter")
    for value in range(5, 10):
        parts = [zigzag]
        for k in range(value - 5):
            t = 0.2 + 0.2 * k
            x, y = z_left + (z_right - z_left) * t, bottom + (top - bottom) * t
            parts.append(g.line((x, y), (x + 200, y + 60), ZENT_PEN))
        signs[95 + value] = Sketch.of(760, *parts)
    return signs


# Oxidilogi -------------------------------------------------------------------

OXI_PEN = 85
OXI_PITCH = 140


def oxidilogi():
    h = OXI_PEN / 2
    signs = {207: Sketch.of(420, g.ring(210, 500, 140, OXI_PEN))}
    bar_y = 860
    for value in range(1, 5):
        x0 = 110
        xs = [x0 + k * OXI_PITCH for k in range(value)]
        bar = g.line((xs[0] - 60, bar_y), (xs[-1] + 60, bar_y), OXI_PEN, cap="butt")
        strokes = [g.line((x, bar_y), (x, 170), OXI_PEN) for x in xs]
        signs[207 + value] = Sketch.of(xs[-1] + 60 + 50 + h, bar, *strokes)
    signs[212] = Sketch.of(460, g.polygon([(40, bar_y + h), (420, bar_y + h), (230, 170)]))
    return signs
