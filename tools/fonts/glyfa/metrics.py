"""Vertical metrics of the four families and the geometry of a value cell.

A row draws its family at its own pixel height (the em is that many pixels)
in a 38-pixel-high value cell. The program puts the baseline at
floor((38 - (A + D)) / 2) + A pixels below the cell's top, with
A = round(height * 2189 / 2048) and D = round(height * 555 / 2048), so how
much of the em is visible differs from row to row. `row_band` turns that
into the vertical range, in font units, that a row's ink may use.
"""

import math
from dataclasses import dataclass

UNITS_PER_EM = 2048
ASCENDER = 2189
DESCENDER = -555
TYPO_ASCENDER = 1491
TYPO_DESCENDER = -430
# Chosen so that the typographic line height equals the Windows one (2744).
TYPO_LINE_GAP = (ASCENDER - DESCENDER) - (TYPO_ASCENDER - TYPO_DESCENDER)

CELL_HEIGHT_PX = 38
# Room kept free at the top and bottom of the cell for antialiasing, and a
# little more where the program emboldens the Regular outlines.
SAFETY_PX = 1.5
SAFETY_BOLD_PX = 2.0
# Room kept free at the right end of a value cell (caption indent, rounding).
WIDTH_SAFETY_PX = 6

SPACE_ADVANCE = 512


def round_half_up(value):
    return math.floor(value + 0.5)


def ascent_px(height_px):
    return round_half_up(height_px * ASCENDER / UNITS_PER_EM)


def descent_px(height_px):
    return round_half_up(height_px * -DESCENDER / UNITS_PER_EM)


def baseline_from_top_px(height_px):
    """Pixels from the cell's top to the baseline (may equal the cell height)."""
    ascent = ascent_px(height_px)
    return (CELL_HEIGHT_PX - (ascent + descent_px(height_px))) // 2 + ascent


def units_per_px(height_px):
    return UNITS_PER_EM / height_px


@dataclass(frozen=True)
class Band:
    """A vertical range in font units, y up, baseline at 0."""

    bottom: float
    top: float

    @property
    def height(self):
        return self.top - self.bottom

    def intersect(self, other):
        return Band(max(self.bottom, other.bottom), min(self.top, other.top))


def row_band(height_px, bold):
    """The part of the em that stays inside the cell, less the safety margin.

    The result is also kept within the Windows ascent and descent, outside
    which some renderers clip.
    """
    margin = SAFETY_BOLD_PX if bold else SAFETY_PX
    baseline = baseline_from_top_px(height_px)
    scale = units_per_px(height_px)
    top = min(ASCENDER, (baseline - margin) * scale)
    bottom = max(DESCENDER, -(CELL_HEIGHT_PX - baseline - margin) * scale)
    return Band(bottom, top)


def emboldening_px(height_px, bold):
    """What synthesized bold adds to every advance: a 24th of the em."""
    return height_px / 24 if bold else 0.0


def advance_px(advance_units, height_px, bold=False):
    """The advance a hinting renderer gives a glyph: rounded to whole pixels,
    after synthesized bold (where the row is bold) has widened it."""
    return round_half_up(advance_units * height_px / UNITS_PER_EM
                         + emboldening_px(height_px, bold))
