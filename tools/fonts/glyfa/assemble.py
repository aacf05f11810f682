"""Writing one family as a TrueType file with fixed, reproducible contents."""

import io

from fontTools.fontBuilder import FontBuilder
from fontTools.misc.timeTools import epoch_diff
from fontTools.pens.roundingPen import RoundingPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import newTable
from fontTools.ttLib.tables import ttProgram
from fontTools.ttLib.tables._c_m_a_p import cmap_format_4

from . import metrics

VERSION = "Version 1.00"
# head.created and head.modified: 2024-01-01 00:00:00 UTC, fixed so that
# every build writes the same bytes.
TIMESTAMP = 1704067200 - epoch_diff
VENDOR_ID = "NONE"
LICENCE_DESCRIPTION = ("This Font Software is licensed under the SIL Open Font License, "
                       "Version 1.1.")
LICENCE_URL = "https://openfontlicense.org"
# OS/2 code page range: bit 0, Latin 1 (Windows-1252).
CODE_PAGE_LATIN_1 = 1
FS_SELECTION_REGULAR = 0x40
NOTDEF_WIDTH = 1229
# A one-byte instruction (SVTCA[y], harmless) on the missing glyph. FreeType
# auto-hints TrueType fonts that carry no instructions at all, which moves
# stems and widens advances; with it, glyphs are scaled as drawn and every
# advance is the design advance rounded to whole pixels.
NOTDEF_PROGRAM = b"\x00"


def glyph_name(codepoint):
    return f"uni{codepoint:04X}"


def _tt_glyph(outline):
    pen = TTGlyphPen(None)
    if outline is not None:
        outline.draw(RoundingPen(pen))
    return pen.glyph()


def _notdef_glyph():
    """The missing-glyph drawing: an open box."""
    pen = TTGlyphPen(None)
    outer = ((128, 0), (128, 1434), (1101, 1434), (1101, 0))
    inner = ((256, 128), (973, 128), (973, 1306), (256, 1306))
    for contour in (outer, inner):
        pen.moveTo(contour[0])
        for point in contour[1:]:
            pen.lineTo(point)
        pen.closePath()
    glyph = pen.glyph()
    glyph.program = ttProgram.Program()
    glyph.program.fromBytecode(NOTDEF_PROGRAM)
    return glyph


def _cmap_table(mapping):
    subtable = cmap_format_4(4)
    subtable.platformID, subtable.platEncID, subtable.language = 3, 1, 0
    subtable.cmap = dict(mapping)
    table = newTable("cmap")
    table.tableVersion = 0
    table.tables = [subtable]
    return table


def _names(family, copyright_text):
    return {
        "copyright": copyright_text,
        "familyName": family,
        "styleName": "Regular",
        "uniqueFontIdentifier": f"{family} Regular; {VERSION}",
        "fullName": family,
        "version": VERSION,
        "psName": f"{family}-Regular",
        "licenseDescription": LICENCE_DESCRIPTION,
        "licenseInfoURL": LICENCE_URL,
    }


def _setup_glyphs(builder, glyphs):
    """glyphs: codepoint -> (outline in font units or None, advance)."""
    order = [".notdef", ".null", "nonmarkingreturn"]
    order += [glyph_name(cp) for cp in sorted(glyphs)]
    builder.setupGlyphOrder(order)
    tt_glyphs = {".notdef": _notdef_glyph(), ".null": _tt_glyph(None),
                 "nonmarkingreturn": _tt_glyph(None)}
    advances = {".notdef": NOTDEF_WIDTH, ".null": 0,
                "nonmarkingreturn": metrics.SPACE_ADVANCE}
    for codepoint, (outline, advance) in sorted(glyphs.items()):
        tt_glyphs[glyph_name(codepoint)] = _tt_glyph(outline)
        advances[glyph_name(codepoint)] = advance
    builder.setupGlyf(tt_glyphs)
    glyf = builder.font["glyf"]
    builder.setupHorizontalMetrics(
        {name: (advances[name], getattr(glyf[name], "xMin", 0)) for name in order})
    builder.font["cmap"] = _cmap_table({cp: glyph_name(cp) for cp in glyphs})


def build_font(family, glyphs, copyright_text):
    """The font file's bytes."""
    builder = FontBuilder(metrics.UNITS_PER_EM, isTTF=True)
    builder.updateHead(created=TIMESTAMP, modified=TIMESTAMP, fontRevision=1.0)
    _setup_glyphs(builder, glyphs)
    builder.setupHorizontalHeader(ascent=metrics.ASCENDER, descent=metrics.DESCENDER, lineGap=0)
    builder.setupNameTable(_names(family, copyright_text), mac=False)
    builder.setupOS2(
        version=4, achVendID=VENDOR_ID, usWeightClass=400, usWidthClass=5, fsType=0,
        fsSelection=FS_SELECTION_REGULAR,
        sTypoAscender=metrics.TYPO_ASCENDER, sTypoDescender=metrics.TYPO_DESCENDER,
        sTypoLineGap=metrics.TYPO_LINE_GAP,
        usWinAscent=metrics.ASCENDER, usWinDescent=-metrics.DESCENDER,
        ulCodePageRange1=CODE_PAGE_LATIN_1, ulCodePageRange2=0,
        sxHeight=0, sCapHeight=0, usDefaultChar=0, usBreakChar=32, usMaxContext=0)
    builder.setupPost(keepGlyphNames=True)
    builder.setupMaxp()
    builder.font["maxp"].maxSizeOfInstructions = len(NOTDEF_PROGRAM)
    output = io.BytesIO()
    builder.save(output)
    return output.getvalue()
