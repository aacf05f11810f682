"""Building the four families: artwork, fitting, placeholders, files."""

from dataclasses import dataclass, field

from . import assemble, compose, notes
from .fitting import (DESIGN_ART, DESIGN_HEIGHT, FONT_ART, PLACEHOLDER_ART, Art,
                      CaptionWidths, fit_group, fit_groups)
from .metrics import SPACE_ADVANCE, row_band
from .outlines import outline_from_points
from .placeholders import place_in_band, placeholder_outline, windows_1252_char
from .rows import FAMILIES, rows_of
from .shaping import shaped_outline
from .signs import SIGNS, SYMBOLS2, FontGlyph, Hieroglyph, ShapedWord, ToDraw

SPACE = 0x20
# Byte values mapped by every family, and the ten Glyfa08c maps besides.
COMMON_CODES = tuple(range(0x20, 0x7F)) + tuple(range(0xA0, 0x100))
EXTRA_CODES = {"Glyfa08c": tuple(range(0x83, 0x8D))}

# Rows whose signs use only part of a larger cell: the whole cell counts for
# the union of ink, so the signs keep their place in it. Braille digits use
# the top four dots only; the full six-dot cell sets the size.
UNION_REFERENCES = {"P34": FontGlyph(SYMBOLS2, 0x283F)}

_RECIPES = {"pi_enclosing_delta": compose.pi_enclosing_delta,
            "mu_with_bar": compose.mu_with_bar}


@dataclass
class FamilyResult:
    family: str
    data: bytes
    fits: list
    unused: list
    drawn_codes: set = field(default_factory=set)


def family_codes(family):
    return COMMON_CODES + EXTRA_CODES.get(family, ())


def _font_art(sources, sign):
    if isinstance(sign, FontGlyph):
        return sources.outline_at(sign.font, sign.codepoint)
    if isinstance(sign, Hieroglyph):
        outline = sources.outline_at(sign.font, sign.codepoint)
        return compose.solid_hieroglyph(outline, sign.width, sign.stroke, sign.fill)
    if isinstance(sign, ShapedWord):
        return shaped_outline(sources, sign.font, sign.text)
    return _RECIPES[sign.recipe](sources)


def _drawn_art(drawn_sign, design_height):
    outline = outline_from_points(drawn_sign.contours, drawn_sign.advance, 1)
    scale = DESIGN_HEIGHT / design_height
    return outline.transformed(scale, scale)


def collect_arts(sources, family, drawn, design_height):
    """code -> Art for every code a row writes; drawn signs win over the rest."""
    arts = {}
    for code, sign in sorted(SIGNS[family].items()):
        if code in drawn:
            arts[code] = Art(DESIGN_ART, _drawn_art(drawn[code], design_height))
        elif isinstance(sign, ToDraw):
            arts[code] = Art(PLACEHOLDER_ART, placeholder_outline(sources, code))
        else:
            arts[code] = Art(FONT_ART, _font_art(sources, sign))
    return arts


def _unused_glyphs(sources, family, used, drawn, design_height):
    """Glyphs for the codes no row writes, in the band every row shows:
    placeholders, or drawn signs where there are some."""
    rows = rows_of(family)
    band = row_band(rows[0].height, rows[0].bold)
    for row in rows[1:]:
        band = band.intersect(row_band(row.height, row.bold))
    glyphs = {}
    for code in family_codes(family):
        if code == SPACE or code in used:
            continue
        if code in drawn:
            scale = band.height / DESIGN_HEIGHT
            outline = _drawn_art(drawn[code], design_height)
            glyphs[code] = outline.transformed(scale, scale, 0, band.bottom)
        else:
            glyphs[code] = place_in_band(placeholder_outline(sources, code), band)
    return glyphs


def _references(sources, group):
    return [Art(FONT_ART, sources.outline_at(ref.font, ref.codepoint))
            for row in group.rows for cell, ref in sorted(UNION_REFERENCES.items())
            if row.cell == cell]


def build_family(sources, family, drawn, design_height, census, copyright_text):
    arts = collect_arts(sources, family, drawn, design_height)
    unused = _unused_glyphs(sources, family, set(arts), drawn, design_height)
    fixed = {SPACE: SPACE_ADVANCE}
    fixed.update({code: round(outline.advance) for code, outline in unused.items()})
    widths = CaptionWidths(census)
    fits, placed = [], dict(unused)
    for group in fit_groups(family, rows_of(family)):
        fit = fit_group(group, arts, fixed, widths, _references(sources, group))
        fits.append(fit)
        placed.update(fit.glyphs)
    glyphs = {ord(windows_1252_char(code)): (outline, round(outline.advance))
              for code, outline in placed.items()}
    glyphs[SPACE] = (None, SPACE_ADVANCE)
    data = assemble.build_font(family, glyphs, copyright_text)
    drawn_codes = {code for code in drawn if code in placed}
    unused_codes = sorted(code for code in unused if code not in drawn_codes)
    return FamilyResult(family, data, fits, unused_codes, drawn_codes)


def row_names(family):
    names = {}
    for row in rows_of(family):
        for code in row.codes:
            names[code] = f"{names[code]}, {row.caption}" if code in names else row.caption
    return names


def build_all(sources, drawn_by_family, design_height, census):
    copyright_text = "; ".join(notes.copyright_lines())
    results = [build_family(sources, family, drawn_by_family.get(family, {}), design_height,
                            census, copyright_text)
               for family in FAMILIES]
    tables = [notes.source_table(r.family, SIGNS[r.family], row_names(r.family), r.drawn_codes)
              for r in results]
    note = notes.source_note(tables, [(r.family, r.unused) for r in results])
    return results, note, notes.ofl_file()
