#!/usr/bin/python3
"""Specimen sheets of the four families: one PNG per family under docs/specimens/.

For every row of a family the sheet shows the row's widest caption in a
value cell of the row's size, then each of the row's signs in a 38-pixel
cell at the row's pixel height, with the value it stands for beside it.
A cell whose ink leaves the cell is outlined in red and reported.

    specimens.py [--fonts DIR] [--out DIR]
"""

import argparse
import os
import sys

from PIL import Image, ImageDraw, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep the source tree free of caches

from build_fonts import CENSUS, FONT_FILES  # noqa: E402
from glyfa.build import family_codes  # noqa: E402
from glyfa.fitting import CaptionWidths, read_census  # noqa: E402
from glyfa.metrics import CELL_HEIGHT_PX, advance_px, baseline_from_top_px, row_band  # noqa: E402
from glyfa.rows import FAMILIES, rows_of  # noqa: E402
from glyfa.values import value_label  # noqa: E402
from fontTools.ttLib import TTFont  # noqa: E402

PAGE_WIDTH = 1120
MARGIN = 16
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
# Antialiased pixels lighter than this do not count as ink leaving the cell.
INK_THRESHOLD = 64
GREY, RED, BLUE = (150, 150, 150), (220, 0, 0), (40, 40, 160)


def char_of(code):
    return bytes([code]).decode("cp1252")


class FamilyFont:
    """A built family: PIL faces by pixel height, and the hinted advances."""

    def __init__(self, path):
        self.path = path
        font = TTFont(path)
        cmap = font.getBestCmap()
        hmtx = font["hmtx"]
        self._advance = {cp: hmtx[name][0] for cp, name in cmap.items()}
        self._faces = {}

    def face(self, height):
        if height not in self._faces:
            self._faces[height] = ImageFont.truetype(self.path, height,
                                                      layout_engine=ImageFont.Layout.BASIC)
        return self._faces[height]

    def advance_px(self, code, height, bold=False):
        return advance_px(self._advance[ord(char_of(code))], height, bold)


def ink_inside(text, face, stroke, baseline, width, check_width):
    """Whether the drawn text keeps its ink (clearly visible pixels) within the cell;
    left and right only if check_width (a single sign may reach into its neighbours)."""
    pad = 60
    mask = Image.new("L", (width + 2 * pad, CELL_HEIGHT_PX + 2 * pad), 0)
    ImageDraw.Draw(mask).text((pad, pad + baseline), text, font=face, fill=255, anchor="ls",
                              stroke_width=stroke, stroke_fill=255)
    mask = mask.point(lambda value: 255 if value >= INK_THRESHOLD else 0)
    bounds = mask.getbbox()
    if bounds is None:
        return True
    left, top, right, bottom = bounds
    across = left >= pad and right <= pad + width
    return top >= pad and bottom <= pad + CELL_HEIGHT_PX and (across or not check_width)


class Sheet:
    def __init__(self):
        self.image = Image.new("RGB", (PAGE_WIDTH, 30000), "white")
        self.draw = ImageDraw.Draw(self.image)
        self.label = ImageFont.truetype(LABEL_FONT, 12)
        self.title = ImageFont.truetype(LABEL_FONT, 15)
        self.y = MARGIN
        self.overflows = []

    def text(self, x, y, text, font=None, fill="black"):
        self.draw.text((x, y), text, font=font or self.label, fill=fill)
        return self.draw.textlength(text, font=font or self.label)

    def cell(self, x, y, width, row, font, text, check_width=True):
        """Draws text in a value cell as the program does; True if the ink stays inside."""
        face = font.face(row.height)
        stroke = 1 if row.bold else 0
        baseline = baseline_from_top_px(row.height)
        self.draw.text((x, y + baseline), text, font=face, fill="black", anchor="ls",
                       stroke_width=stroke, stroke_fill="black")
        inside = ink_inside(text, face, stroke, baseline, width, check_width)
        self.draw.rectangle((x - 1, y - 1, x + width, y + CELL_HEIGHT_PX),
                            outline=GREY if inside else RED)
        return inside

    def crop(self):
        return self.image.crop((0, 0, PAGE_WIDTH, self.y + MARGIN))


def widest_caption(row, font, widths):
    def width(caption):
        return sum(count * max(font.advance_px(code, row.height, row.bold) for code in slot)
                   for slot, count in caption)

    best = max(widths.captions(row), key=width)
    codes = []
    for slot, count in best:
        codes += [max(slot, key=lambda code: font.advance_px(code, row.height))] * count
    return "".join(char_of(code) for code in codes), width(best)


def draw_row(sheet, row, font, widths):
    band = row_band(row.height, row.bold)
    bold = ", bold" if row.bold else ""
    sheet.text(MARGIN, sheet.y, f"{row.caption}", sheet.title, BLUE)
    sheet.text(MARGIN + 160, sheet.y + 2,
               f"cell {row.cell}, {row.width} px wide; {row.family} at {row.height} px{bold};"
               f" band {band.bottom:.0f}..{band.top:.0f} units")
    sheet.y += 22
    caption, width = widest_caption(row, font, widths)
    if not sheet.cell(MARGIN, sheet.y, row.width, row, font, caption):
        sheet.overflows.append(f"{row.caption}: widest caption")
    sheet.text(MARGIN + min(row.width, PAGE_WIDTH - 2 * MARGIN - 170) + 6 if row.width < 900
               else MARGIN, sheet.y + CELL_HEIGHT_PX + 2 if row.width >= 900 else sheet.y + 12,
               f"widest caption, {width} px (signs in code order)")
    sheet.y += CELL_HEIGHT_PX + (20 if row.width >= 900 else 10)
    draw_signs(sheet, row, font)
    sheet.y += 14


def draw_signs(sheet, row, font):
    x = MARGIN
    for code in row.codes:
        width = max(font.advance_px(code, row.height) + 6, 20)
        label = value_label(row, code)
        item = width + 12 + sheet.draw.textlength(label, font=sheet.label) + 14
        if x + item > PAGE_WIDTH - MARGIN:
            x = MARGIN
            sheet.y += CELL_HEIGHT_PX + 18
        if not sheet.cell(x + 3, sheet.y, width, row, font, char_of(code), check_width=False):
            sheet.overflows.append(f"{row.caption}: code {code}")
        sheet.text(x + width + 8, sheet.y + 10, label)
        sheet.text(x + 3, sheet.y + CELL_HEIGHT_PX + 2, str(code), fill=GREY)
        x += item
    sheet.y += CELL_HEIGHT_PX + 18


def render_family(family, font_dir, widths):
    font = FamilyFont(os.path.join(font_dir, FONT_FILES[family]))
    sheet = Sheet()
    sheet.text(MARGIN, sheet.y, f"{family}: every row's signs at the row's size", sheet.title)
    sheet.y += 30
    for row in rows_of(family):
        draw_row(sheet, row, font, widths)
    draw_unused(sheet, family, font)
    return sheet.crop(), sheet.overflows


def draw_unused(sheet, family, font):
    """The codes no row writes, with their placeholders, at the smallest row height."""
    rows = rows_of(family)
    used = set().union(*(row.code_set() for row in rows))
    unused = [code for code in family_codes(family) if code != 32 and code not in used]
    smallest = min(rows, key=lambda row: row.height)
    sheet.text(MARGIN, sheet.y, "Codes no row writes (placeholders)", sheet.title, BLUE)
    sheet.y += 24
    x = MARGIN
    for code in unused:
        if x + 44 > PAGE_WIDTH - MARGIN:
            x = MARGIN
            sheet.y += CELL_HEIGHT_PX + 18
        width = max(font.advance_px(code, smallest.height) + 6, 20)
        sheet.cell(x + 3, sheet.y, width, smallest, font, char_of(code), check_width=False)
        sheet.text(x + 3, sheet.y + CELL_HEIGHT_PX + 2, str(code), fill=GREY)
        x += max(width + 12, 36)
    sheet.y += CELL_HEIGHT_PX + 18


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--fonts", default=os.path.join(REPO, "resources", "fonts"))
    parser.add_argument("--out", default=os.path.join(REPO, "docs", "specimens"))
    args = parser.parse_args(argv)
    widths = CaptionWidths(read_census(CENSUS))
    os.makedirs(args.out, exist_ok=True)
    all_overflows = []
    for family in FAMILIES:
        image, overflows = render_family(family, args.fonts, widths)
        image.save(os.path.join(args.out, f"{family}.png"), optimize=True)
        all_overflows += [f"{family} {item}" for item in overflows]
    for item in all_overflows:
        print(f"ink outside the cell: {item}", file=sys.stderr)
    return 1 if all_overflows else 0


if __name__ == "__main__":
    sys.exit(main())
