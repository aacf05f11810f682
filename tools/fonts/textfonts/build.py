"""Cutting the text families out of the packaged Noto fonts.

A family keeps exactly the characters its rows write over 0..79999 (the
shaping units of rows.tsv) and the glyphs and layout lookups their shaping
reaches (GSUB, GPOS and GDEF stay, so the font places the marks and makes
the ligatures); hinting is dropped. Its names are its own; the source's
copyright and trademark notices stay in its name table.

Its ascent and descent are the ink of its units: top and bottom over every
unit the rows write and every pair of them, as HarfBuzz places it. A row draws its family at its
pixel height with the baseline at floor((38 - (A + D)) / 2) + A pixels
below the cell's top (A and D the ascent and descent in pixels, rounded),
as the glyph rows do, so its ink is centred in the cell. The build fails
where that ink would come closer than 1.5 px to the cell's top or bottom,
where a unit shapes to a missing glyph, or where a sample shapes otherwise
than in the source font.
"""

import io
import math
from dataclasses import dataclass, field

from fontTools import subset
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.cu2quPen import Cu2QuPen
from fontTools.pens.recordingPen import RecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

from glyfa import assemble
from glyfa.assemble import LICENCE_DESCRIPTION, LICENCE_URL, TIMESTAMP
from glyfa.metrics import CELL_HEIGHT_PX, SAFETY_PX, round_half_up
from glyfa.outlines import CU2QU_MAX_ERROR_EM, find_font_file

from . import shaping
from .sources import file_name

USE_TYPO_METRICS = 1 << 7
# Name records taken over from the source font: copyright, trademark,
# manufacturer, designer, vendor and designer URLs.
KEPT_NAMES = (0, 7, 8, 9, 11, 12)


@dataclass
class TextFamily:
    family: str
    file_name: str
    data: bytes
    source: object
    source_version: str
    rows: list
    glyph_count: int
    ink: tuple  # (bottom, top) in font units
    units_per_em: int
    notices: list = field(default_factory=list)


def open_font(file, face=-1):
    return TTFont(find_font_file(file), fontNumber=face if face >= 0 else -1)


def _subset(font, codepoints):
    options = subset.Options()
    # HarfBuzz's default features (the subsetter's default list): what a
    # text layout applies without being asked for more.
    options.layout_scripts = ["*"]
    options.name_IDs = list(KEPT_NAMES)
    options.name_legacy = False
    options.hinting = False
    options.notdef_outline = True
    options.glyph_names = False
    options.desubroutinize = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(codepoints))
    subsetter.subset(font)


def _borrow(font, file, face, codepoint):
    """Adds the glyph of another font at a code point (TrueType outlines only)."""
    donor = open_font(file, face)
    glyph_set = donor.getGlyphSet()
    donor_glyph = donor.getBestCmap()[codepoint]
    scale = font["head"].unitsPerEm / donor["head"].unitsPerEm
    pen = TTGlyphPen(None)
    transformed = TransformPen(pen, (scale, 0, 0, scale, 0, 0))
    if "glyf" not in donor:
        transformed = Cu2QuPen(transformed, CU2QU_MAX_ERROR_EM * font["head"].unitsPerEm,
                               reverse_direction=True)
    glyph_set[donor_glyph].draw(transformed)
    name = f"uni{codepoint:04X}"
    font.setGlyphOrder(font.getGlyphOrder() + [name])
    font["glyf"][name] = pen.glyph()
    font["glyf"][name].recalcBounds(font["glyf"])
    font["hmtx"][name] = (round(glyph_set[donor_glyph].width * scale), font["glyf"][name].xMin)
    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap[codepoint] = name
    return donor["name"].getDebugName(0)


DRAWN_UNITS_PER_EM = 1000  # the drawn signs' design height
DRAWN_COPYRIGHT = "Copyright The Tallyra developers"


def _drawn_font(family, module):
    """A family of the program's own drawn signs (tools/fonts/drawn/), its
    design box as the em; the names and metrics follow when it is built."""
    import importlib

    from drawn.outline import truetype_contours

    sketches = getattr(importlib.import_module(f"drawn.{module}"), module)()
    order = [".notdef"] + [assemble.glyph_name(cp) for cp in sorted(sketches)]
    builder = FontBuilder(DRAWN_UNITS_PER_EM, isTTF=True)
    builder.updateHead(created=TIMESTAMP, modified=TIMESTAMP, fontRevision=1.0)
    builder.setupGlyphOrder(order)
    glyphs = {".notdef": TTGlyphPen(None).glyph()}
    advances = {".notdef": DRAWN_UNITS_PER_EM // 2}
    for cp, sketch in sorted(sketches.items()):
        pen = TTGlyphPen(None)
        for contour in truetype_contours(sketch.shapes):
            pen.moveTo(contour[0][:2])
            _draw_quadratic(pen, contour)
            pen.closePath()
        glyphs[assemble.glyph_name(cp)] = pen.glyph()
        advances[assemble.glyph_name(cp)] = sketch.advance
    builder.setupGlyf(glyphs)
    glyf = builder.font["glyf"]
    builder.setupHorizontalMetrics({name: (advances[name], getattr(glyf[name], "xMin", 0)) for name in order})
    builder.setupCharacterMap({cp: assemble.glyph_name(cp) for cp in sketches})
    builder.setupHorizontalHeader(ascent=DRAWN_UNITS_PER_EM, descent=0, lineGap=0)
    builder.setupNameTable({"copyright": DRAWN_COPYRIGHT, "familyName": family, "styleName": "Regular"},
                           mac=False)
    builder.setupOS2(version=4, achVendID=assemble.VENDOR_ID, usWeightClass=400, fsType=0,
                     fsSelection=assemble.FS_SELECTION_REGULAR)
    builder.setupPost(keepGlyphNames=False)
    builder.setupMaxp()
    data = io.BytesIO()
    builder.save(data)
    return TTFont(io.BytesIO(data.getvalue()))


def _draw_quadratic(pen, contour):
    """The rest of a contour of (x, y, on_curve) points, from its first on-curve point."""
    pending = []
    for x, y, on in contour[1:]:
        if on and pending:
            pen.qCurveTo(*pending, (x, y))
            pending = []
        elif on:
            pen.lineTo((x, y))
        else:
            pending.append((x, y))
    if pending:
        pen.qCurveTo(*pending, contour[0][:2])


def _take_left_part(font, codepoint, donor_codepoint):
    """The glyph at codepoint becomes the leftmost shape of the donor's glyph:
    the contours whose middle lies left of the donor's middle, with the
    donor's side bearing on both sides."""
    cmap = font.getBestCmap()
    glyf, hmtx = font["glyf"], font["hmtx"]
    donor = glyf[cmap[donor_codepoint]]
    recording = RecordingPen()
    donor.draw(recording, glyf)
    middle = (donor.xMin + donor.xMax) / 2
    contours, current = [], []
    for operator, operands in recording.value:
        current.append((operator, operands))
        if operator in ("closePath", "endPath"):
            contours.append(current)
            current = []
    pen = TTGlyphPen(None)
    for contour in contours:
        xs = [point[0] for _, operands in contour for point in operands]
        if (min(xs) + max(xs)) / 2 < middle:
            for operator, operands in contour:
                getattr(pen, operator)(*operands)
    name = cmap[codepoint]
    glyf[name] = pen.glyph()
    glyf[name].recalcBounds(glyf)
    hmtx[name] = (glyf[name].xMax + donor.xMin, glyf[name].xMin)


def _rename(font, family):
    names = font["name"]
    kept = {record.nameID: record.toUnicode() for record in names.names
            if record.platformID == 3 and record.nameID in KEPT_NAMES}
    version = f"Version {font['head'].fontRevision:.3f}"
    postscript = family.replace(" ", "") + "-Regular"
    records = dict(kept)
    records.update({1: family, 2: "Regular", 3: f"{family} Regular; {version}", 4: family,
                    5: version, 6: postscript, 13: LICENCE_DESCRIPTION, 14: LICENCE_URL})
    names.names = []
    for name_id, text in sorted(records.items()):
        names.setName(text, name_id, 3, 1, 0x409)
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        for key, value in (("FullName", family), ("FamilyName", family)):
            if hasattr(top, key):
                setattr(top, key, value)
    return [kept[i] for i in (0, 7) if i in kept]


def _set_vertical_metrics(font, ink):
    bottom, top = ink
    hhea, os2 = font["hhea"], font["OS/2"]
    hhea.ascent, hhea.descent, hhea.lineGap = top, bottom, 0
    os2.sTypoAscender, os2.sTypoDescender, os2.sTypoLineGap = top, bottom, 0
    os2.usWinAscent, os2.usWinDescent = top, -bottom
    os2.version = max(os2.version, 4)  # the version that defines USE_TYPO_METRICS
    os2.fsSelection |= USE_TYPO_METRICS


def _saved(font):
    font["head"].created = font["head"].modified = TIMESTAMP
    font.recalcTimestamp = False
    output = io.BytesIO()
    font.save(output, reorderTables=True)
    return output.getvalue()


def _ink_of_units(data, rows):
    """The ink of every unit the rows write, alone and beside every unit of
    its row: a font may draw a mark otherwise beside a neighbour (the Coptic
    double overline stands higher before a tall letter with its overline)."""
    units = sorted({unit for row in rows for unit in row.units})
    pairs = sorted({a + b for row in rows for a in row.units for b in row.units})
    runs = shaping.shape_bytes(data, units + pairs)
    missing = [unit for unit, run in zip(units, runs) if any(glyph["g"] == 0 for glyph in run)]
    if missing:
        raise ValueError("missing glyphs for " + ", ".join(
            "+".join(f"U+{ord(c):04X}" for c in unit) for unit in missing))
    inks = [ink for ink in map(shaping.ink_range, runs) if ink]
    return min(ink[0] for ink in inks), max(ink[1] for ink in inks)


def build_text_family(family, rows, source):
    font = _drawn_font(family, source.drawn) if source.drawn else open_font(source.file, source.face)
    source_version = font["name"].getDebugName(5) or ""
    codepoints = set().union(*(row.codepoints() for row in rows))
    borrowed = {cp for _, _, cp in source.borrowed}
    _subset(font, codepoints - borrowed)
    for codepoint, donor in source.left_part_of:
        _take_left_part(font, codepoint, donor)
    notices = _rename(font, family)
    for file, face, codepoint in source.borrowed:
        notice = _borrow(font, file, face, codepoint)
        if notice and notice not in notices:
            notices.append(notice)
    data = _saved(font)
    ink = _ink_of_units(data, rows)
    _set_vertical_metrics(font, ink)
    data = _saved(font)
    return TextFamily(family, file_name(family, source), data, source, source_version, rows,
                      len(font.getGlyphOrder()), ink, font["head"].unitsPerEm, notices)


# ---- Checks ----

def ink_px(text_family, height):
    """(top, bottom) of the ink in pixels from the cell's top at a pixel height."""
    bottom, top = text_family.ink
    units = text_family.units_per_em
    ascent, descent = round_half_up(top * height / units), round_half_up(-bottom * height / units)
    baseline = math.floor((CELL_HEIGHT_PX - (ascent + descent)) / 2) + ascent
    return baseline - top * height / units, baseline - bottom * height / units


def largest_fitting_height(text_family):
    """The largest pixel height at which the ink keeps its room in the cell."""
    height = 1
    while fits_the_cell(text_family, height + 1):
        height += 1
    return height


def fits_the_cell(text_family, height):
    top, bottom = ink_px(text_family, height)
    return top >= SAFETY_PX and bottom <= CELL_HEIGHT_PX - SAFETY_PX


def check_family(text_family):
    """Problems of a built family: ink outside its rows' cells, samples that
    shape otherwise than in the source font."""
    problems = []
    for row in text_family.rows:
        if not fits_the_cell(text_family, row.height):
            top, bottom = ink_px(text_family, row.height)
            problems.append(f"{row.caption}: ink from {top:.1f} to {bottom:.1f} px in the "
                            f"{CELL_HEIGHT_PX}-pixel cell at {row.height} px (it fits at "
                            f"{largest_fitting_height(text_family)} px)")
    source = text_family.source
    if source.drawn:  # no source font to compare with
        return problems
    texts = [text for row in text_family.rows for _, text in row.samples if text]
    built = shaping.shape_bytes(text_family.data, texts)
    original = shaping.shape_lines(find_font_file(source.file), texts, source.face)
    borrowed = {cp for _, _, cp in source.borrowed} | {cp for cp, _ in source.left_part_of}
    for text, ours, theirs in zip(texts, built, original):
        if not _same_shaping(text, ours, theirs, borrowed):
            problems.append(f"{text_family.family}: {text} shapes otherwise than in {source.file}")
    return problems


def _same_shaping(text, ours, theirs, borrowed):
    """Same advances, offsets and ink glyph by glyph; a borrowed character's
    glyph (which the source lacks) need only be present."""
    if len(ours) != len(theirs):
        return False
    keys = ("ax", "dx", "dy", "xb", "yb", "w", "h", "cl")
    for mine, source_glyph in zip(ours, theirs):
        if mine["g"] == 0:
            return False
        if source_glyph["g"] == 0 and ord(text[source_glyph["cl"]]) in borrowed:
            continue
        if any(mine[key] != source_glyph[key] for key in keys):
            return False
    return True
