"""The part of the source note (SOURCES.md) on the text families."""

import unicodedata

from .sources import CJK


def _runs(codepoints):
    """"U+0AE6–U+0AEF, U+0483" for a set of code points."""
    parts, ordered = [], sorted(codepoints)
    start = previous = None
    for cp in ordered + [None]:
        if start is not None and cp == previous + 1:
            previous = cp
            continue
        if start is not None:
            parts.append(f"U+{start:04X}" if start == previous else f"U+{start:04X}–U+{previous:04X}")
        start = previous = cp
    return ", ".join(parts)


def _source(text_family):
    source = text_family.source
    if source.drawn:
        return f"drawn by the program (tools/fonts/drawn/{source.drawn}.py)"
    text = f"{source.file} ({text_family.source_version.split(';')[0]})"
    if source.face >= 0:
        text = f"{source.file}, face {source.face} ({text_family.source_version.split(';')[0]})"
    for file, face, codepoint in source.borrowed:
        name = unicodedata.name(chr(codepoint), "")
        where = f"{file}, face {face}" if file == CJK else file
        text += f"; U+{codepoint:04X} {name} from {where}"
    for codepoint, donor in source.left_part_of:
        text += f"; U+{codepoint:04X} drawn as the left shape of U+{donor:04X}"
    return text


def text_section(text_families):
    lines = ["## Text families (text/)", "",
             "One family for each row (or rows) of the pages that draw their numeral as",
             "shaped text: a subset of a packaged Noto font with exactly the characters",
             "the row writes for 0..79999, the glyphs and layout lookups (GSUB, GPOS,",
             "GDEF) their shaping reaches, no hinting, and the ink of the row's signs as",
             "ascent and descent. Outlines and layout are the source font's, but for the",
             "family the program draws itself (Kaktovik) and a glyph named below.", "",
             "| Family | File | Row | Source | Characters |", "|---|---|---|---|---|"]
    for family in text_families:
        rows = ", ".join(row.caption for row in family.rows)
        codepoints = set().union(*(row.codepoints() for row in family.rows))
        lines.append(f"| {family.family} | {family.file_name} | {rows} | {_source(family)} "
                     f"| {_runs(codepoints)} |")
    return lines


def notices(text_families):
    """The copyright and trademark notices of the text families' sources, once each."""
    return sorted({notice for family in text_families for notice in family.notices})
