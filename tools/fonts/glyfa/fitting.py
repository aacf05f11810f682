"""Fitting each row's signs into its value cell.

Rows of one family that share a code form a fit group, since a glyph can
have only one size: its band is the intersection of the member rows' bands
and its width must suit every member's cell.

Within a group every sign gets the same transformation by its kind of art:
- "font" art (ems of the source font): one scale for the group, from the
  union of the group's ink, so that the union fills the band;
- "design" art (drawn signs, y from 0 to DESIGN_HEIGHT): that range is
  mapped onto the band, x scaled alike;
- "placeholder" art: the Windows-1252 character, small, mid-band.
Then, where a member's widest caption would overflow its cell, the whole
group is shrunk by one width factor about the band's middle. Last, every
sign gets the clear room at either end of its advance that spacing.py asks
for; the width fit counts it.
"""

import math
from dataclasses import dataclass, field

from .metrics import WIDTH_SAFETY_PX, advance_px, emboldening_px, row_band
from .outlines import Outline
from .placeholders import place_in_band
from .spacing import group_spacing

DESIGN_HEIGHT = 1000

FONT_ART = "font"
DESIGN_ART = "design"
PLACEHOLDER_ART = "placeholder"


@dataclass(frozen=True)
class Art:
    kind: str
    outline: Outline


@dataclass
class FitGroup:
    family: str
    rows: list
    codes: list = field(default_factory=list)

    @property
    def band(self):
        band = row_band(self.rows[0].height, self.rows[0].bold)
        for row in self.rows[1:]:
            band = band.intersect(row_band(row.height, row.bold))
        return band

    @property
    def name(self):
        return " + ".join(row.caption for row in self.rows)


@dataclass
class GroupFit:
    group: FitGroup
    font_scale: float  # font units per em of the source fonts, before shrinking
    width_factor: float
    glyphs: dict  # code -> Outline in font units
    widest_px: dict  # row caption -> (width in pixels of its widest caption, cell width)


def fit_groups(family, rows):
    """Rows of one family joined into groups wherever they share a code."""
    groups = []
    for row in rows:
        joined = [g for g in groups if set(g.codes) & row.code_set()]
        merged = FitGroup(family, [row], list(row.codes))
        for group in joined:
            groups.remove(group)
            merged.rows = group.rows + merged.rows
            merged.codes = sorted(set(group.codes) | set(merged.codes))
        groups.append(merged)
    return groups


def _font_union(arts, references):
    y_min, y_max = math.inf, -math.inf
    for art in list(arts) + list(references):
        bounds = art.outline.bounds()
        if bounds is not None:
            y_min, y_max = min(y_min, bounds[1]), max(y_max, bounds[3])
    return (y_min, y_max) if y_min < y_max else None


def place_group(group, arts, references=()):
    """Every code of the group in font units, filling the band; and the font scale."""
    band = group.band
    font_arts = [arts[code] for code in group.codes if arts[code].kind == FONT_ART]
    union = _font_union(font_arts, references)
    font_scale = band.height / (union[1] - union[0]) if union else 0.0
    design_scale = band.height / DESIGN_HEIGHT
    placed = {}
    for code in group.codes:
        art = arts[code]
        if art.kind == FONT_ART:
            dy = band.bottom - union[0] * font_scale
            placed[code] = art.outline.transformed(font_scale, font_scale, 0, dy)
        elif art.kind == DESIGN_ART:
            placed[code] = art.outline.transformed(design_scale, design_scale, 0, band.bottom)
        else:
            placed[code] = place_in_band(art.outline, band)
    return placed, font_scale


def shrink(outline, factor, band):
    middle = (band.bottom + band.top) / 2
    return outline.transformed(factor, factor, 0, middle * (1 - factor))


class CaptionWidths:
    """The captions a row must fit: its lines of the caption census.

    Each caption is a list of (slot, count); a slot is a tuple of codes of
    which the widest is counted.
    """

    def __init__(self, census):
        self._census = census  # cell -> list of {code: count}

    def captions(self, row):
        lines = self._census.get(row.cell)
        if not lines:
            raise KeyError(f"{row.caption} ({row.cell}) is missing from the caption census; "
                           "regenerate caption-census.txt")
        return [[((code,), count) for code, count in sorted(line.items())] for line in lines]


def caption_px(caption, row, advance_of):
    return sum(count * max(advance_px(advance_of(code), row.height, row.bold) for code in slot)
               for slot, count in caption)


def _widest_px(row, captions, advance_of):
    return max(caption_px(caption, row, advance_of) for caption in captions)


def _bounds(caption, row, placed, fixed_advances, spacing=None):
    """Width of a caption as f * scaled + fixed, give or take `slack` for
    rounding and for the room spacing adds."""
    scaled = fixed = slack = 0.0
    extra = emboldening_px(row.height, row.bold)
    spacing_px = spacing.slack_units() * row.height / 2048 if spacing else 0.0
    for slot, count in caption:
        group_codes = [code for code in slot if code in placed]
        if group_codes:
            widest = max(placed[code].advance for code in group_codes)
            scaled += count * widest * row.height / 2048
            fixed += count * extra
            slack += count * (0.51 + spacing_px)
        else:
            fixed += count * max(advance_px(fixed_advances[code], row.height, row.bold)
                                 for code in slot)
    return scaled, fixed, slack


def candidate_captions(row, captions, placed, fixed_advances, spacing=None):
    """The captions that can be the widest at some width factor between 0 and 1.

    A caption's width is linear in the factor up to the rounding of each
    advance and the room spacing adds, so one that stays below another's
    lowest possible width at both ends of the range stays below it
    everywhere between.
    """
    bounds = [_bounds(caption, row, placed, fixed_advances, spacing) for caption in captions]
    best = [max(range(len(bounds)), key=lambda i: bounds[i][1] - bounds[i][2]),
            max(range(len(bounds)), key=lambda i: sum(bounds[i][:2]) - bounds[i][2])]
    kept = []
    for caption, (scaled, fixed, slack) in zip(captions, bounds):
        below = any(fixed + slack < bounds[j][1] - bounds[j][2]
                    and scaled + fixed + slack < sum(bounds[j][:2]) - bounds[j][2]
                    for j in best)
        if not below:
            kept.append(caption)
    return kept


def _extent(outline):
    """(x_min, x_max, advance) of a placed sign; no ink counts as 0..0."""
    bounds = outline.bounds()
    x_min, x_max = (bounds[0], bounds[2]) if bounds else (0.0, 0.0)
    return x_min, x_max, outline.advance


def spaced_advance(extent, factor, spacing):
    """The advance of a placed sign (its `_extent`) shrunk by `factor`, then spaced."""
    x_min, x_max, advance = (value * factor for value in extent)
    if spacing is None or x_min == x_max:
        return advance
    return spacing.advance(x_min, x_max, advance)


def width_factor(group, candidates, placed, fixed_advances, spacing=None):
    """The largest factor (at most 1) at which every member's captions fit."""
    extents = {code: _extent(outline) for code, outline in placed.items()}

    def advance_of_at(factor):
        def advance_of(code):
            if code in placed:
                return round(spaced_advance(extents[code], factor, spacing))
            return fixed_advances[code]
        return advance_of

    def fits(factor):
        advance_of = advance_of_at(factor)
        return all(_widest_px(row, candidates[row.caption], advance_of)
                   <= row.width - WIDTH_SAFETY_PX for row in group.rows)

    if fits(1.0):
        return 1.0
    low, high = 0.0, 1.0
    for _ in range(40):
        middle = (low + high) / 2
        low, high = (middle, high) if fits(middle) else (low, middle)
    factor = math.floor(low * 10000) / 10000
    while factor > 0 and not fits(factor):
        factor = round(factor - 0.0001, 4)
    return factor


def fit_group(group, arts, fixed_advances, widths, references=()):
    placed, font_scale = place_group(group, arts, references)
    spacing = group_spacing(group.rows)
    candidates = {row.caption: candidate_captions(row, widths.captions(row), placed,
                                                  fixed_advances, spacing)
                  for row in group.rows}
    factor = width_factor(group, candidates, placed, fixed_advances, spacing)
    band = group.band
    glyphs = {code: shrink(outline, factor, band) for code, outline in placed.items()}
    if spacing is not None:
        glyphs = {code: spacing.apply(outline) for code, outline in glyphs.items()}

    def advance_of(code):
        if code in glyphs:
            return round(glyphs[code].advance)
        return fixed_advances[code]

    widest = {row.caption: (_widest_px(row, candidates[row.caption], advance_of), row.width)
              for row in group.rows}
    return GroupFit(group, font_scale, factor, glyphs, widest)


def read_census(path):
    """cell -> list of {code: count}, from lines `<cell>\\t<code>:<count> ...`."""
    census = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            cell, _, items = line.partition("\t")
            counts = {}
            for item in items.split():
                code, _, count = item.partition(":")
                counts[int(code)] = counts.get(int(code), 0) + int(count)
            census.setdefault(cell.strip(), []).append(counts)
    return census
