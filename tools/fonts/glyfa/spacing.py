"""Clear room between neighbouring signs.

A cell lays a caption out by the advances in the font, each glyph at its
pen position rounded to a whole pixel, so two neighbours can stand up to a
pixel closer than their advance says. Every sign of a row therefore keeps
`MIN_BEARING_PX` of clear room at either end of its advance (plus what
synthesized bold adds to its ink on each side), so that neighbouring inks
stay at least 1.5 px apart in any caption.

Rows drawn on whole pixels lose nothing to that rounding: there each
sign's ink is stretched or narrowed (by less than half a pixel) to a whole
number of pixels, starts exactly `PIXEL_BEARING_PX` after its pen position
and ends as far before the next, and the advance is that many whole
pixels. Upright edges fall on pixel boundaries, and neighbours stand
exactly twice `PIXEL_BEARING_PX` apart.

Rows whose signs are drawn to meet their neighbours (boxes sharing sides,
strokes running on) keep their own spacing.
"""

import math
from dataclasses import dataclass

from .metrics import emboldening_px, units_per_px

MIN_BEARING_PX = 1.3
PIXEL_BEARING_PX = 1.0


@dataclass(frozen=True)
class Spacing:
    """The room a group's signs keep at either end of their advances."""

    bearing: float  # font units
    pixel: float = 0.0  # font units per pixel, where advances are whole pixels

    def advance(self, x_min, x_max, advance):
        """The advance of a sign whose ink spans x_min..x_max, once spaced."""
        if self.pixel:
            # A hair over the whole pixels, never under: a pen position
            # rounds to the same pixel or the next, never the one before.
            return math.ceil(self._ink_width(x_min, x_max) + 2 * self.bearing)
        shift = max(0.0, self.bearing - x_min)
        return max(advance + shift, x_max + shift + self.bearing)

    def apply(self, outline):
        bounds = outline.bounds()
        if bounds is None:
            return outline
        x_min, _, x_max, _ = bounds
        advance = self.advance(x_min, x_max, outline.advance)
        if self.pixel:
            stretch = self._ink_width(x_min, x_max) / (x_max - x_min)
            return outline.transformed(stretch, 1, self.bearing - x_min * stretch, 0,
                                       advance=advance)
        return outline.transformed(1, 1, max(0.0, self.bearing - x_min), 0, advance=advance)

    def slack_units(self):
        """The most spacing can add to an advance beyond its scaled width."""
        return 2 * self.bearing + self.pixel

    def _ink_width(self, x_min, x_max):
        """The ink's width on whole pixels: the nearest, at least one."""
        return max(1, round((x_max - x_min) / self.pixel)) * self.pixel


def group_spacing(rows):
    """The spacing of a fit group's rows, or None where their signs are drawn to meet."""
    if any(row.joined for row in rows):
        return None
    heights = {row.height for row in rows}
    if len(heights) == 1 and all(row.whole_pixel_advances for row in rows):
        row = rows[0]
        pixel = units_per_px(row.height)
        return Spacing(PIXEL_BEARING_PX * pixel, pixel)
    bearing = max((MIN_BEARING_PX + emboldening_px(row.height, row.bold) / 2)
                  * units_per_px(row.height) for row in rows)
    return Spacing(bearing)
