"""The Hieratic pictures: the cursive Egyptian numerals, drawn as brush strokes.

No font carries the hieratic numerals, so every sign is drawn from strokes:
each stroke is a smooth line through a few points, with a width that changes
along it like a reed brush (heavier where the stroke starts, lighter where
it trails off). The coordinates are in pixels of the picture itself (0,0 is
the top-left corner of the top-left pixel).

The signs follow one scheme (NOTES.md describes it group by group):
- units 1 to 3 are short upright strokes, 4 a horizontal stroke, 5 to 9
  ligatures of those;
- tens are built from the hobble, a hooked arch (one arch for 10, arches
  stacked or run together for the others);
- hundreds are the rope coil with its long tail, carrying the unit sign of
  their count above the tail;
- thousands are the lotus stem with its hooked flower, with the unit sign of
  their count beside the stem; 10000 is the bent finger.
"""

import raster

GREY_LEVELS = 8
INK = 2.3          # the usual stroke width in pixels
THIN = 1.7         # trailing ends
SIDE_MARGIN = 2.4  # centre lines keep this far from the left and right edges


def stroke(*points):
    """A stroke through (x, y) or (x, y, width) points; missing widths taper
    from INK at the start to THIN at the end."""
    count = len(points)
    full = []
    for index, point in enumerate(points):
        if len(point) == 3:
            full.append(point)
        else:
            t = index / (count - 1) if count > 1 else 0
            full.append((point[0], point[1], INK + (THIN - INK) * t))
    return raster.Stroke(full)


def fit(strokes, box, max_stretch=1.0, min_width=1.6):
    """Scales and centres strokes (by their centre lines) into box =
    (left, top, right, bottom); widths shrink with the sign, never below
    min_width."""
    xs = [x for item in strokes for x, _, _ in item.points]
    ys = [y for item in strokes for _, y, _ in item.points]
    x0, y0, x1, y1 = min(xs), min(ys), max(xs), max(ys)
    left, top, right, bottom = box
    sx = (right - left) / max(x1 - x0, 1e-6)
    sy = (bottom - top) / max(y1 - y0, 1e-6)
    uniform = min(sx, sy)
    sx, sy = min(sx, uniform * max_stretch), min(sy, uniform * max_stretch)
    ox = left + ((right - left) - (x1 - x0) * sx) / 2
    oy = top + ((bottom - top) - (y1 - y0) * sy) / 2
    width_scale = min(1.0, uniform) ** 0.5

    def mapping(x, y):
        return (ox + (x - x0) * sx, oy + (y - y0) * sy)

    placed = [item.transformed(mapping, width_scale) for item in strokes]
    return [raster.Stroke([(x, y, max(w, min_width)) for x, y, w in item.points]) for item in placed]


# --- units -----------------------------------------------------------------

def unit_strokes(count, width, height):
    """count upright strokes, evenly spread over width."""
    if count == 1:
        # the single stroke stands upright and a little thinner: its picture
        # is only 4 pixels wide
        middle = width / 2
        return [stroke((middle, 1.6, 2.0), (middle, height / 2, 1.9), (middle, height - 1.6, 1.6))]
    xs = [SIDE_MARGIN + index * (width - 2 * SIDE_MARGIN) / (count - 1) for index in range(count)]
    return [stroke((x + 0.3, 1.6, 2.2), (x, height / 2, 2.0), (x - 0.3, height - 1.6, 1.6)) for x in xs]


def unit_sign(value):
    """The unit sign of value 1..9 in its own picture coordinates."""
    if value <= 3:
        width = {1: 4, 2: 9, 3: 12}[value]
        return unit_strokes(value, width, 16)
    return UNIT_FORMS[value]()


def _four():
    return [stroke((1.6, 3.4, 2.7), (8.0, 2.9), (14.5, 2.6, 1.8))]


def _five():
    # the top stroke of the four with a stroke falling from its right end
    return [stroke((1.6, 3.0, 2.6), (8.5, 2.4), (14.2, 2.2, 2.3), (11.8, 8.5, 2.1), (6.0, 14.4, 1.7))]


def _six():
    # a z-like ligature: top stroke, falling stroke, foot stroke
    return [stroke((1.8, 2.6, 2.6), (11.8, 2.0, 2.4), (7.0, 8.5, 2.2), (2.6, 14.0, 2.0),
                   (7.5, 14.6, 1.9), (12.4, 14.0, 1.7))]


def _seven():
    # a long stroke hooked down at the left, a short stroke under its right part
    return [stroke((2.6, 10.2, 1.8), (1.9, 6.0, 2.2), (4.5, 3.0, 2.6), (14.0, 2.6), (23.2, 2.9, 1.8)),
            stroke((18.8, 5.4, 2.2), (17.6, 8.2), (15.6, 10.4, 1.6))]


def _eight():
    # two fours run together at the left
    return [stroke((14.6, 1.9, 1.8), (5.6, 2.0, 2.2), (2.0, 4.9, 2.5), (5.6, 8.0, 2.3), (14.6, 8.1, 1.7))]


def _nine():
    # the five with a long sweeping leg and a crossing four
    return [stroke((2.0, 3.4, 2.7), (14.0, 2.6), (25.8, 2.2, 2.2)),
            stroke((22.0, 2.8, 2.5), (19.0, 10.0, 2.4), (12.0, 17.5, 2.1), (3.0, 21.8, 1.7)),
            stroke((7.0, 11.8, 2.4), (14.0, 11.2), (20.5, 10.8, 1.7))]


UNIT_FORMS = {4: _four, 5: _five, 6: _six, 7: _seven, 8: _eight, 9: _nine}


# --- tens ------------------------------------------------------------------

def arch(left, right, top, foot, curl=True):
    """The hobble: an arch open below, its left foot curled inward."""
    width = right - left
    points = []
    if curl:
        points.append((left + width * 0.30, foot - (foot - top) * 0.20, THIN))
    points += [(left, foot, 2.0), (left + width * 0.04, top + (foot - top) * 0.40, INK),
               (left + width * 0.35, top, INK + 0.2), (left + width * 0.80, top + (foot - top) * 0.15, INK),
               (right, top + (foot - top) * 0.55, 2.1), (right - width * 0.02, foot, THIN)]
    return raster.Stroke(points)


def humps(left, right, top, foot, count):
    """Arches run together into one wavy stroke (the hobble repeated)."""
    step = (right - left) / count
    points = [(left + step * 0.25, foot - (foot - top) * 0.25, THIN), (left, foot, 2.0)]
    for index in range(count):
        x = left + index * step
        points.append((x + step * 0.5, top, INK))
        points.append((x + step, foot if index == count - 1 else foot - (foot - top) * 0.25, 2.0))
    points[-1] = (points[-1][0], points[-1][1], THIN)
    return raster.Stroke(points)


def _ten():
    return [arch(2.2, 15.8, 2.2, 18.4)]


def _twenty():
    return [arch(3.0, 13.4, 1.8, 11.0), arch(2.0, 14.2, 11.4, 21.4)]


def _thirty():
    # one hobble over two
    return [arch(3.2, 15.8, 1.8, 9.4, curl=False), arch(1.8, 8.6, 11.6, 19.4),
            arch(10.4, 17.2, 11.6, 19.4)]


def _forty():
    return [humps(1.8, 21.2, 2.4, 11.0, 4)]


def _fifty():
    # a hooked head on a long falling tail
    return [stroke((1.8, 6.0, 2.0), (3.4, 2.2, 2.5), (7.4, 2.6, 2.5), (8.2, 8.0, 2.4),
                   (6.6, 13.6, 2.0), (2.4, 16.4, 1.6))]


def _sixty():
    return [humps(1.8, 22.0, 2.2, 11.8, 3), stroke((19.0, 11.8, 2.3), (24.5, 9.0), (29.2, 3.0, 1.7))]


def _seventy():
    # a small hobble whose right leg runs on into a high arch with a long tail
    return [arch(1.8, 7.6, 7.0, 13.2),
            stroke((7.6, 13.0, 2.1), (7.8, 6.0, 2.3), (10.6, 2.0, 2.5), (13.6, 4.2, 2.4),
                   (13.8, 11.0, 2.2), (12.6, 16.0, 2.0), (8.4, 18.2, 1.7), (4.0, 17.6, 1.6))]


def _eighty():
    return [humps(1.8, 29.2, 2.2, 10.0, 4), humps(1.8, 29.2, 13.6, 21.8, 4)]


def _ninety():
    return [stroke((1.8, 2.6, 2.6), (15.5, 2.0), (29.2, 2.6, 1.8)),
            humps(2.4, 28.6, 6.6, 16.0, 3)]


TEN_FORMS = {1: _ten, 2: _twenty, 3: _thirty, 4: _forty, 5: _fifty,
             6: _sixty, 7: _seventy, 8: _eighty, 9: _ninety}


# --- hundreds --------------------------------------------------------------

def coil(width, height):
    """The rope coil: a loop at the lower left and the long tail running right."""
    radius = 3.6 if height <= 12 else 3.2
    centre_x, centre_y = 1.6 + radius, height - 1.8 - radius
    tail_y = centre_y - radius
    loop = [(centre_x + radius * 0.2, centre_y + radius * 0.1, 1.9),
            (centre_x + radius * 0.7, centre_y + radius * 0.7, 2.1),
            (centre_x, centre_y + radius, 2.3),
            (centre_x - radius, centre_y, 2.4),
            (centre_x - radius * 0.3, tail_y + 0.2, 2.5),
            (centre_x + radius * 1.6, tail_y, 2.4),
            (width * 0.6, tail_y - 0.2, 2.2),
            (width - 1.6, tail_y - 0.9, 1.6)]
    return [raster.Stroke(loop)], tail_y


def hundred(value, width, height):
    strokes, tail_y = coil(width, height)
    if value > 1:
        stretch = 3.0 if value <= 3 else 1.4
        strokes += fit(unit_sign(value), (13.5, 1.4, width - 4.0, tail_y - 2.6), max_stretch=stretch)
    return strokes


# --- thousands -------------------------------------------------------------

def lotus(left, top, right, bottom):
    """The lotus: a stem with a foot stroke, its flower hooked over to the right."""
    width, height = right - left, bottom - top

    def at(u, v, w):
        return (left + u * width, top + v * height, w)

    stem = raster.Stroke([at(0.02, 0.97, 1.8), at(0.30, 0.93, 2.3), at(0.36, 0.62, 2.4),
                          at(0.38, 0.25, 2.5), at(0.55, 0.03, 2.5), at(0.86, 0.06, 2.3),
                          at(0.98, 0.28, 1.7)])
    leaf = raster.Stroke([at(0.38, 0.50, 2.2), at(0.66, 0.40, 2.0), at(0.84, 0.47, 1.6)])
    return [stem, leaf]


def thousand(value, width, height):
    if value == 1:
        return lotus(2.0, 1.8, width - 2.0, height - 1.6)
    lotus_width = min(20.0, (height - 3.4) * 0.72)
    strokes = lotus(1.8, 1.8, 1.8 + lotus_width, height - 1.6)
    box = (lotus_width + 1.0, height * 0.34, width - 1.8, height - 1.8)
    strokes += fit(unit_sign(value), box, max_stretch=1.5)
    return strokes


def ten_thousand(width, height):
    """The bent finger: a slanting stroke whose top bends over, on a short foot."""
    return [stroke((6.0, height - 2.2, 2.2), (10.0, height - 9.5, 2.5), (17.5, 8.0, 2.5),
                   (23.5, 2.2, 2.4), (28.2, 4.0, 2.1), (28.6, 9.6, 1.6)),
            stroke((1.8, height - 2.6, 1.8), (6.0, height - 2.0, 2.2), (10.4, height - 2.8, 1.6))]


# --- the catalogue ---------------------------------------------------------

SIZES = {
    1: (4, 16), 2: (9, 16), 3: (12, 16), 4: (16, 6), 5: (16, 16),
    6: (14, 17), 7: (25, 12), 8: (16, 10), 9: (28, 24),
    10: (18, 20), 20: (16, 23), 30: (19, 21), 40: (23, 13), 50: (10, 18),
    60: (31, 14), 70: (16, 20), 80: (31, 24), 90: (31, 18),
    100: (38, 12), 200: (38, 17), 300: (38, 17), 400: (39, 19), 500: (41, 28),
    600: (42, 30), 700: (38, 22), 800: (42, 22), 900: (44, 20),
    1000: (22, 29), 2000: (45, 28), 3000: (34, 26), 4000: (34, 27), 5000: (50, 22),
    6000: (31, 22), 7000: (32, 24), 8000: (33, 23), 9000: (34, 33),
    10000: (31, 29),
}


def sign_strokes(value):
    width, height = SIZES[value]
    if value < 10:
        return unit_sign(value)
    if value < 100:
        return TEN_FORMS[value // 10]()
    if value < 1000:
        return hundred(value // 100, width, height)
    if value < 10000:
        return thousand(value // 1000, width, height)
    return ten_thousand(width, height)


def keep_clear_of_sides(strokes, width, margin=SIDE_MARGIN):
    """Squeezes or centres the strokes horizontally so that the first and last
    columns stay white: the signs of a number stand side by side without
    gaps, and must not touch."""
    xs = [x for item in strokes for x, _, _ in item.points]
    x0, x1 = min(xs), max(xs)
    room = max(width - 2 * margin, 0.0)
    if x1 - x0 <= room:
        shift = max(margin - x0, 0.0) - max(x1 - (width - margin), 0.0)

        def mapping(x, y):
            return (x + shift, y)
    else:
        def mapping(x, y):
            return (margin + (x - x0) * room / (x1 - x0), y)
    return [item.transformed(mapping) for item in strokes]


def pictures(zoom=1):
    """Yields (name, width, height, palette, indexes) for h1 .. h9000, h10000,
    each zoom times as wide and high as the catalogue says."""
    for value in sorted(SIZES):
        width, height = SIZES[value]
        canvas = raster.Canvas(width, height, zoom)
        for item in keep_clear_of_sides(sign_strokes(value), width):
            item.paint(canvas)
        yield ("h%d" % value, width * zoom, height * zoom, *raster.quantise(canvas.coverage(), GREY_LEVELS))
