"""Visible stand-ins for codes that carry no sign (yet).

A code that no row writes, and a code whose sign still has to be drawn,
shows the Windows-1252 character of that byte, small, from Noto Sans, so
that every mapped code point except the space has a visible glyph. Where
Noto Sans draws nothing (the no-break space) a small open box stands in.
"""

from .outlines import Outline, rectangle
from .signs import NOTO_SANS

# Vertical range of the Noto Sans Latin-1 characters, in ems, and the share
# of a band the placeholders take.
PLACEHOLDER_EM_RANGE = (-0.25, 0.95)
PLACEHOLDER_SHARE = 0.7
_BOX_STROKE_EM = 0.06


def windows_1252_char(code):
    return bytes([code]).decode("cp1252")


def _open_box():
    outer = rectangle(0.08, 0.0, 0.52, 0.7)
    inner = rectangle(0.08 + _BOX_STROKE_EM, _BOX_STROKE_EM,
                      0.52 - _BOX_STROKE_EM, 0.7 - _BOX_STROKE_EM)
    # The counter winds the other way round.
    reversed_inner = inner.transformed(-1, 1, 0.6, 0)
    return Outline(outer.ops + reversed_inner.ops, 0.6)


def placeholder_outline(sources, code):
    """The placeholder of a byte value, in ems of Noto Sans."""
    char = windows_1252_char(code)
    outline = sources.outline_at(NOTO_SANS, ord(char))
    if outline.bounds() is None:
        return _open_box()
    return outline


def place_in_band(outline, band):
    """Scale a placeholder (ems) into the middle of a band (font units)."""
    low, high = PLACEHOLDER_EM_RANGE
    scale = PLACEHOLDER_SHARE * band.height / (high - low)
    bottom = band.bottom + (1 - PLACEHOLDER_SHARE) / 2 * band.height
    return outline.transformed(scale, scale, 0, bottom - low * scale)
