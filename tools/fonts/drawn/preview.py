"""Renders every drawn row into PNG files for looking at the signs.

usage: preview.py OUTPUT_FOLDER [ROW_NAME_PART ...]

Per row, the picture shows: every sign at the size the program shows it,
in its 38-pixel cell, with its code under it; the same signs four times
larger with the advance (grey) and the design box (blue); and a few whole
captions at real size in a value cell of the row's width. The console
report gives the widest caption of each row and the pairs of signs whose
real-size images are closest (flagged when below the distinctness limit).
"""

import os
import sys

import numpy as np
from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from drawn import drawn_signs  # noqa: E402
from drawn.cell import CELL_HEIGHT_PX, band as row_band  # noqa: E402
from drawn.render import closest_pairs, nearest_pair, row_images, sign_coverage  # noqa: E402
from drawn.rows import ROWS, TABLE  # noqa: E402
from glyfa.fitting import read_census  # noqa: E402

CENSUS = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "caption-census.txt")
SPACE = 32

# Real-size images of two signs of a row must differ by at least this many
# pixels' worth of ink.
DISTINCT_LIMIT = 8.0
ENLARGE = 4
MAX_WIDTH = 1500
PLACEHOLDER_EM = 0.3


def _grey(coverage):
    return Image.fromarray((255 - coverage * 255).astype(np.uint8), mode="L")


class Sheet:
    """A growing white picture, filled from top to bottom."""

    def __init__(self):
        self.parts = []  # (image, x, y)
        self.y = 4
        self.width = 0

    def text(self, line):
        img = Image.new("L", (MAX_WIDTH, 14), 255)
        ImageDraw.Draw(img).text((0, 0), line, fill=0)
        self.place([(img, 4)], 14)

    def place(self, items, height):
        for img, x in items:
            self.parts.append((img, x, self.y))
            self.width = max(self.width, x + img.width + 4)
        self.y += height + 4

    def save(self, path):
        out = Image.new("RGB", (max(self.width, 200), self.y + 4), "white")
        for img, x, y in self.parts:
            out.paste(img.convert("RGB") if img.mode != "RGB" else img, (x, y))
        out.save(path)


def _strip(row, signs, band, scale_up):
    """Signs side by side; returns lines of (image, x) and the line height."""
    lines, line, x = [], [], 4
    for code, sign in sorted(signs.items()):
        width = (band.width_px(sign.advance + row.overhang) + 2)
        cov = sign_coverage(sign.contours, band, width, x_px=1, bold=row.bold, scale_up=scale_up)
        img = _decorate(_grey(cov), band, sign.advance, scale_up, code)
        if line and x + img.width > MAX_WIDTH:
            lines.append(line)
            line, x = [], 4
        line.append((img, x))
        x += img.width + 6
    lines.append(line)
    return lines, CELL_HEIGHT_PX * scale_up + 12


def _decorate(img, band, advance, scale_up, code):
    rgb = Image.new("RGB", (img.width, img.height + 12), "white")
    rgb.paste(img.convert("RGB"), (0, 0))
    draw = ImageDraw.Draw(rgb)
    if scale_up > 1:
        top = band.top_px * scale_up
        bottom = (band.top_px + band.height_px) * scale_up
        right = scale_up * (1 + advance * band.scale)
        draw.line([(0, top), (img.width, top)], fill=(150, 170, 255))
        draw.line([(0, bottom), (img.width, bottom)], fill=(150, 170, 255))
        draw.line([(scale_up, 0), (scale_up, img.height)], fill=(190, 190, 190))
        draw.line([(right, 0), (right, img.height)], fill=(190, 190, 190))
    draw.text((0, img.height), str(code), fill=(200, 0, 0))
    return rgb


def caption_width(codes, signs, band):
    width = 0
    for code in codes:
        if code == SPACE:
            width += round(band.space_px)
        elif code in signs:
            width += band.width_px(signs[code].advance)
        else:
            width += round(PLACEHOLDER_EM * band.pixel_height)
    return width


def _caption_image(codes, signs, band, bold, cell_width):
    cov = np.zeros((CELL_HEIGHT_PX, cell_width + 60))
    x = 0
    for code in codes:
        if code == SPACE:
            x += round(band.space_px)
            continue
        if code not in signs:
            w = round(PLACEHOLDER_EM * band.pixel_height)
            cov[12:26, x + 2:x + w - 2] = np.maximum(cov[12:26, x + 2:x + w - 2], 0.25)
            x += w
            continue
        sign = signs[code]
        if x < cov.shape[1]:
            part = sign_coverage(sign.contours, band, cov.shape[1] - x, x_px=0, bold=bold)
            cov[:, x:] = np.maximum(cov[:, x:], part)
        x += band.width_px(sign.advance)
    img = _grey(cov).convert("RGB")
    draw = ImageDraw.Draw(img)
    draw.rectangle([0, 0, cell_width - 1, CELL_HEIGHT_PX - 1], outline=(150, 170, 255))
    return img


def samples(entry):
    """(text, codes) of the sample captions the program wrote into rows.tsv."""
    for item in entry["samples"].split(";"):
        text, _, codes = item.partition(":")
        yield text, [int(code) for code in codes.split()]


def widest_caption(census_lines, signs, band):
    """The width of the row's widest caption and its codes in code order."""
    captions = [[code for code, count in sorted(line.items()) for _ in range(count)]
                for line in census_lines]
    return max((caption_width(codes, signs, band), codes) for codes in captions)


def preview_row(row, family_signs, census, out_dir):
    signs = {c: s for c, s in family_signs.items() if c in row.draw()}
    band = row_band(row.pixel_height, row.bold)
    sheet = Sheet()
    sheet.text(f"{row.caption}  ({row.family}, {row.pixel_height} px{' bold' if row.bold else ''}, "
               f"design box {band.height_px:.1f} px high, {band.scale * 1000:.1f} px per 1000 units)")
    for scale_up in (1, ENLARGE):
        lines, height = _strip(row, signs, band, scale_up)
        for line in lines:
            sheet.place(line, height)
    report = []
    for cell in row.cells:
        entry = TABLE[cell]
        name, bold, cell_width = entry["caption"], entry["bold"] == "1", int(entry["width"])
        cap_band = row_band(int(entry["height"]), bold)
        widest, codes = widest_caption(census[cell], family_signs, cap_band)
        report.append(f"  {name}: widest caption {widest} px of {cell_width} (codes {codes})")
        for sample, codes in samples(entry):
            sheet.text(f"{name} {sample}: {caption_width(codes, family_signs, cap_band)} px")
            sheet.place([(_caption_image(codes, family_signs, cap_band, bold, cell_width), 4)],
                        CELL_HEIGHT_PX)
    slug = "".join(ch if ch.isalnum() else "_" for ch in row.caption)
    sheet.save(os.path.join(out_dir, f"{slug}.png"))
    return signs, band, report


def main(argv):
    if len(argv) < 2:
        print(__doc__)
        return 2
    out_dir = argv[1]
    wanted = [w.lower() for w in argv[2:]]
    os.makedirs(out_dir, exist_ok=True)
    families = drawn_signs()
    census = read_census(CENSUS)
    flagged = 0
    for row in ROWS:
        if wanted and not any(w in row.caption.lower() for w in wanted):
            continue
        signs, band, report = preview_row(row, families[row.family], census, out_dir)
        images = row_images(row, signs, band)
        near = nearest_pair(images)
        close = closest_pairs(images, DISTINCT_LIMIT)
        flagged += len(close)
        print(f"{row.caption}: {len(signs)} signs; nearest pair {near[1]}/{near[2]} "
              f"differ by {near[0]:.1f} px of ink" if near else f"{row.caption}: 1 sign")
        for d, a, b in close:
            print(f"  TOO CLOSE: {a} and {b} differ by {d:.1f} px of ink")
        for line in report:
            print(line)
    return 1 if flagged else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
