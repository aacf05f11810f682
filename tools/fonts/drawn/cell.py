"""Where a row's design box lands in its 38-pixel value cell.

The program centres the font's line (ascent 2189, descent 555 of 2048
units per em, each rounded to whole pixels at the row's pixel height) in
the cell; the font build maps the design box onto the part of the em that
stays inside the cell, less a small safety margin (a little more for rows
the program emboldens). This mirrors that rule so that previews and checks
see the signs at the size the program shows them.
"""

import math
from dataclasses import dataclass

from . import DESIGN_HEIGHT

CELL_HEIGHT_PX = 38
UNITS_PER_EM = 2048
ASCENDER = 2189
DESCENDER = 555
SAFETY_PX = 1.5
SAFETY_BOLD_PX = 2.0
SPACE_ADVANCE = 512  # the families' blank, in font units


def _round_half_up(value):
    return math.floor(value + 0.5)


@dataclass(frozen=True)
class Band:
    top_px: float     # from the cell's top to the design box's top
    height_px: float  # the design box's height on screen
    pixel_height: int

    @property
    def scale(self):
        """Screen pixels per design unit."""
        return self.height_px / DESIGN_HEIGHT

    @property
    def space_px(self):
        return SPACE_ADVANCE * self.pixel_height / UNITS_PER_EM

    def width_px(self, advance):
        """The advance as a hinting renderer lays it out: whole pixels."""
        return _round_half_up(advance * self.scale)


def band(pixel_height, bold=False):
    ascent = _round_half_up(pixel_height * ASCENDER / UNITS_PER_EM)
    descent = _round_half_up(pixel_height * DESCENDER / UNITS_PER_EM)
    baseline = (CELL_HEIGHT_PX - (ascent + descent)) // 2 + ascent
    margin = SAFETY_BOLD_PX if bold else SAFETY_PX
    top = min(pixel_height * ASCENDER / UNITS_PER_EM, baseline - margin)
    bottom = min(pixel_height * DESCENDER / UNITS_PER_EM, CELL_HEIGHT_PX - baseline - margin)
    return Band(baseline - top, top + bottom, pixel_height)


def embolden_px(pixel_height):
    """How much wider and taller synthetic bold makes a stroke (FreeType's rule)."""
    return pixel_height / 24
