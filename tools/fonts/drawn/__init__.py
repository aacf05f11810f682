"""Signs that no packaged font carries, drawn by program.

`drawn_signs()` gives, for each of the four families, the drawn signs by
glyph code. A sign is drawn in a design box whose y runs from 0 (bottom of
its row's band) to DESIGN_HEIGHT (top of the band); x runs from 0 to the
sign's advance. Contours are quadratic (TrueType) with integer points,
overlaps removed, outer contours clockwise; every contour starts on an
on-curve point and every off-curve point lies between two on-curve points.
"""

from dataclasses import dataclass
from functools import lru_cache

DESIGN_HEIGHT = 1000


@dataclass(frozen=True)
class DrawnSign:
    contours: tuple  # tuple of closed contours, each a tuple of (x, y, on_curve)
    advance: int     # advance width in design units


@lru_cache(maxsize=1)
def _all_signs():
    from .outline import truetype_contours
    from .rows import ROWS

    families = {}
    for row in ROWS:
        signs = families.setdefault(row.family, {})
        for code, sketch in sorted(row.draw().items()):
            if code in signs:
                raise ValueError(f"{row.family} code {code} is drawn twice")
            try:
                contours = truetype_contours(sketch.shapes)
            except ValueError as error:
                raise ValueError(f"{row.caption}, {row.family} code {code}: {error}") from error
            signs[code] = DrawnSign(contours, sketch.advance)
    return tuple((family, tuple(sorted(signs.items()))) for family, signs in sorted(families.items()))


def drawn_signs() -> dict:
    """Family name -> {code: DrawnSign} for every drawn sign."""
    return {family: dict(signs) for family, signs in _all_signs()}
