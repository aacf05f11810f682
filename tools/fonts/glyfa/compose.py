"""Signs the build puts together or reworks from font outlines.

- `pi_enclosing_delta`: the Greek acrophonic fifty, a Π with a small Δ inside.
- `mu_with_bar`: the fifty thousand of the Attic row, an M with a bar above.
- `solid_hieroglyph`: thin open line art (the hieroglyphs) made solid, at a
  height of 1 and a given width: counters filled, lines thickened.
"""

import contextlib
import os

from fontTools.pens.recordingPen import RecordingPen
from fontTools.pens.transformPen import TransformPen

from .outlines import Outline, rectangle, signed_area, _freeze
from .signs import NOTO_SANS

# Share of its own size at which the Δ stands inside the Π.
INNER_DELTA_SCALE = 0.45
# The M of the fifty thousand is shortened so that M and bar keep the cap height.
BAR_THICKNESS_EM = 0.072
BAR_GAP_EM = 0.072
# Units the stroke thickening works in (fontforge wants integers to behave).
_WORK_UNITS = 1000


def pi_enclosing_delta(sources):
    pi = sources.outline_at(NOTO_SANS, 0x03A0)
    delta = sources.outline_at(NOTO_SANS, 0x0394)
    px_min, _, px_max, p_top = pi.bounds()
    dx_min, dy_min, dx_max, dy_max = delta.bounds()
    small = delta.transformed(INNER_DELTA_SCALE, INNER_DELTA_SCALE)
    width = (dx_max - dx_min) * INNER_DELTA_SCALE
    height = (dy_max - dy_min) * INNER_DELTA_SCALE
    x = (px_min + px_max - width) / 2 - dx_min * INNER_DELTA_SCALE
    y = (p_top * 0.9 - height) / 2 - dy_min * INNER_DELTA_SCALE
    return pi.combined(small, x, y)


def mu_with_bar(sources):
    mu = sources.outline_at(NOTO_SANS, 0x039C)
    x_min, y_min, x_max, cap = mu.bounds()
    shortened = (cap - BAR_THICKNESS_EM - BAR_GAP_EM - y_min) / (cap - y_min)
    body = mu.transformed(1, shortened, 0, y_min * (1 - shortened))
    bar = rectangle(x_min, cap - BAR_THICKNESS_EM, x_max, cap)
    return body.combined(bar)


@contextlib.contextmanager
def _quiet_stderr():
    """fontforge reports recoverable overlap troubles on the C stderr."""
    saved = os.dup(2)
    try:
        with open(os.devnull, "w") as devnull:
            os.dup2(devnull.fileno(), 2)
            yield
    finally:
        os.dup2(saved, 2)
        os.close(saved)


def thicken(outline, width_em):
    """Every line of the outline widened by `width_em` (half on each side)."""
    with _quiet_stderr():
        import fontforge  # only the hieroglyphs need it

        font = fontforge.font()
        font.em = _WORK_UNITS
        font.is_quadratic = True
        glyph = font.createChar(0x41)
        pen = glyph.glyphPen()
        outline.draw(TransformPen(pen, (_WORK_UNITS, 0, 0, _WORK_UNITS, 0, 0)))
        pen = None  # fontforge commits the contours when the pen goes away
        original = glyph.foreground.dup()
        # The stroke is a ring along every contour; with the shape itself
        # added back, their union is the shape grown by half the width.
        glyph.stroke("circular", width_em * _WORK_UNITS, "round", "round")
        layer = glyph.foreground
        layer += original
        glyph.foreground = layer
        glyph.removeOverlap()
        glyph.correctDirection()
        glyph.round()
        recorder = RecordingPen()
        glyph.draw(TransformPen(recorder, (1 / _WORK_UNITS, 0, 0, 1 / _WORK_UNITS, 0, 0)))
        font.close()
    return Outline(_freeze(recorder.value), outline.advance)


def fill_largest_hole(outline):
    """Drop the largest counter: a hollow body becomes solid, and the smaller
    counters inside it (a finger's nail) stay open."""
    parts = outline.contours()
    areas = [signed_area(part) for part in parts]
    outer_sign = areas[max(range(len(parts)), key=lambda i: abs(areas[i]))] < 0
    holes = [i for i, area in enumerate(areas) if (area < 0) != outer_sign]
    if not holes:
        return outline
    largest = max(holes, key=lambda i: abs(areas[i]))
    return Outline.join([part for i, part in enumerate(parts) if i != largest], outline.advance)


def solid_hieroglyph(outline, width, stroke, fill):
    """The sign from (0, 0) to (width, 1), its lines `stroke` thick (shares of
    its height), its largest counter dropped first with `fill`; the advance
    is its width."""
    if fill:
        outline = fill_largest_hole(outline)
    x_min, y_min, x_max, y_max = outline.bounds()
    scale_x = (width - stroke) / (x_max - x_min)
    scale_y = (1 - stroke) / (y_max - y_min)
    half = stroke / 2
    art = outline.transformed(scale_x, scale_y, half - x_min * scale_x, half - y_min * scale_y,
                              advance=width)
    return thicken(art, stroke) if stroke else art
