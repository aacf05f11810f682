"""Quadratic outlines in em units, and the packaged fonts they come from.

An `Outline` holds the pen calls of one sign (moveTo, lineTo, qCurveTo,
closePath), with coordinates in ems (1.0 is the source font's em), y up,
baseline at 0. Cubic sources are converted to quadratic curves on loading.
"""

import os
from dataclasses import dataclass

from fontTools.pens.basePen import BasePen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.pointPen import PointToSegmentPen
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

FONT_DIRS = ("/usr/share/fonts",)
# Largest deviation allowed when cubic curves become quadratic, in ems.
CU2QU_MAX_ERROR_EM = 0.001


@dataclass(frozen=True)
class Outline:
    ops: tuple
    advance: float

    def draw(self, pen):
        for operator, operands in self.ops:
            getattr(pen, operator)(*operands)

    def bounds(self):
        """Ink bounds (xMin, yMin, xMax, yMax), or None for an empty outline."""
        pen = BoundsPen(None)
        self.draw(pen)
        return pen.bounds

    def transformed(self, scale_x, scale_y, dx=0.0, dy=0.0, advance=None):
        recorder = RecordingPen()
        self.draw(TransformPen(recorder, (scale_x, 0, 0, scale_y, dx, dy)))
        if advance is None:
            advance = self.advance * scale_x
        return Outline(_freeze(recorder.value), advance)

    def combined(self, other, dx=0.0, dy=0.0):
        """This outline with `other` drawn on top, shifted by (dx, dy)."""
        moved = other.transformed(1, 1, dx, dy)
        return Outline(self.ops + moved.ops, self.advance)

    def contours(self):
        """The outline split into one Outline per closed contour."""
        result, current = [], []
        for op in self.ops:
            current.append(op)
            if op[0] in ("closePath", "endPath"):
                result.append(Outline(tuple(current), self.advance))
                current = []
        return result

    @staticmethod
    def join(parts, advance):
        ops = tuple(op for part in parts for op in part.ops)
        return Outline(ops, advance)


def _freeze(value):
    return tuple((operator, tuple(operands)) for operator, operands in value)


def outline_from_points(contours, advance, units_per_em):
    """An outline from TrueType point contours: (x, y, on_curve) tuples."""
    recorder = RecordingPen()
    scale = 1.0 / units_per_em
    pen = PointToSegmentPen(TransformPen(recorder, (scale, 0, 0, scale, 0, 0)))
    for contour in contours:
        pen.beginPath()
        for index, (x, y, on_curve) in enumerate(contour):
            previous_on = contour[index - 1][2]
            segment = None
            if on_curve:
                segment = "line" if previous_on else "qcurve"
            pen.addPoint((x, y), segmentType=segment)
        pen.endPath()
    return Outline(_freeze(recorder.value), advance * scale)


def rectangle(x_min, y_min, x_max, y_max):
    """A filled rectangle, drawn clockwise as TrueType wants it."""
    ops = (("moveTo", ((x_min, y_min),)), ("lineTo", ((x_min, y_max),)),
           ("lineTo", ((x_max, y_max),)), ("lineTo", ((x_max, y_min),)),
           ("closePath", ()))
    return Outline(ops, x_max + x_min)


class _AreaPen(BasePen):
    """Signed area of quadratic outlines (positive for anticlockwise)."""

    def __init__(self):
        super().__init__(None)
        self.area = 0.0
        self._start = self._last = (0.0, 0.0)

    def _moveTo(self, point):
        self._start = self._last = point

    def _lineTo(self, point):
        (x0, y0), (x1, y1) = self._last, point
        self.area += (x0 * y1 - x1 * y0) / 2
        self._last = point

    def _qCurveToOne(self, control, point):
        (x0, y0), (x1, y1), (x2, y2) = self._last, control, point
        self.area += (x0 * y2 - x2 * y0) / 2
        # Area between the chord and a quadratic arc: 2/3 of the triangle.
        self.area += ((x1 - x0) * (y2 - y0) - (x2 - x0) * (y1 - y0)) / 3
        self._last = point

    def _closePath(self):
        self._lineTo(self._start)

    _endPath = _closePath


def signed_area(outline):
    pen = _AreaPen()
    outline.draw(pen)
    return pen.area


def find_font_file(name, font_dirs=FONT_DIRS):
    for root_dir in font_dirs:
        for root, dirs, files in os.walk(root_dir):
            dirs.sort()
            if name in files:
                return os.path.join(root, name)
    raise FileNotFoundError(f"font file {name} not found under {', '.join(font_dirs)}")


class SourceFonts:
    """Opens packaged fonts on demand and hands out their outlines."""

    def __init__(self, font_dirs=FONT_DIRS):
        self._font_dirs = font_dirs
        self._fonts = {}

    def font(self, name):
        if name not in self._fonts:
            path = find_font_file(name, self._font_dirs)
            face = 0 if path.endswith(".ttc") else -1
            self._fonts[name] = TTFont(path, fontNumber=face, lazy=True)
        return self._fonts[name]

    def path(self, name):
        return find_font_file(name, self._font_dirs)

    def glyph_name(self, name, codepoint):
        glyph = self.font(name).getBestCmap().get(codepoint)
        if glyph is None:
            raise KeyError(f"{name} has no glyph for U+{codepoint:04X}")
        return glyph

    def outline(self, name, glyph):
        font = self.font(name)
        glyph_set = font.getGlyphSet()
        units = font["head"].unitsPerEm
        recorder = DecomposingRecordingPen(glyph_set)
        scale = 1.0 / units
        pen = TransformPen(recorder, (scale, 0, 0, scale, 0, 0))
        if "glyf" not in font:
            # PostScript outlines: cubic and anticlockwise; TrueType wants
            # quadratic and clockwise.
            pen = Cu2QuPen(pen, CU2QU_MAX_ERROR_EM * units, reverse_direction=True)
        glyph_set[glyph].draw(pen)
        return Outline(_freeze(recorder.value), glyph_set[glyph].width * scale)

    def outline_at(self, name, codepoint):
        return self.outline(name, self.glyph_name(name, codepoint))

    def copyright(self, name):
        return self.font(name)["name"].getDebugName(0) or ""
