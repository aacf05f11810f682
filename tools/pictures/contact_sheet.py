#!/usr/bin/python3
"""Renders all numeral pictures, enlarged, into docs/pictures.png.

    /usr/bin/python3 tools/pictures/contact_sheet.py [--zoom 4] [--inspect build/app/tallyra-inspect]

The pictures are read back from resources/pictures/ (so the sheet shows the
files as written), enlarged without smoothing, each on a light grey mat with
its name below. A second part shows a few numbers as the program composes
its picture rows (tallyra-inspect pictures, from a build), at the enlargement.
"""

import argparse
import os
import pathlib
import subprocess
import sys

from PIL import Image, ImageDraw, ImageFont

REPOSITORY = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPOSITORY / "tools" / "fonts"))
sys.dont_write_bytecode = True  # keep the source tree free of caches

from glyfa.rows import read_table  # noqa: E402  (the program's row table, tools/fonts/rows.tsv)

PICTURES = REPOSITORY / "resources" / "pictures"
OUTPUT = REPOSITORY / "docs" / "pictures.png"
INSPECT = REPOSITORY / "build" / "app" / "tallyra-inspect"
PICTURE_BOXES = ("PB2", "PB1", "PB9", "PB7")  # Korean, Hieratic, Assyrian, Maya
LABEL_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
MAT = (222, 222, 222)
BACKGROUND = (255, 255, 255)
CELL_PADDING = 6
LABEL_HEIGHT = 16
SHEET_WIDTH = 1400

GROUPS = [
    ["korea%d" % k for k in range(13)],
    ["ass%d" % k for k in range(11)],
    ["ma%d" % k for k in range(11)],
    ["h%d" % k for k in range(1, 10)],
    ["h%d" % (10 * k) for k in range(1, 10)],
    ["h%d" % (100 * k) for k in range(1, 10)],
    ["h%d" % (1000 * k) for k in range(1, 10)] + ["h10000"],
]

STRIP_HEIGHT = 38


def load(name):
    with Image.open(PICTURES / (name.upper() + ".GIF")) as image:
        return image.convert("RGB")


def placements(inspect, number):
    """box -> [(picture name, x, y)] as the program places them for number
    (tallyra-inspect pictures)."""
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    output = subprocess.run([str(inspect), "pictures", str(number)], env=environment, check=True,
                            capture_output=True, text=True).stdout
    boxes = {}
    for line in output.splitlines():
        box, _, items = line.partition("\t")
        boxes[box] = []
        for item in items.split() if items != "-" else ():
            name, _, place = item.partition("@")
            x, _, y = place.partition(",")
            boxes[box].append((name.lower(), int(x), int(y)))
    return boxes


def compose(placed, width):
    """A picture strip of the value cell's width with the pictures placed."""
    strip = Image.new("RGB", (width, STRIP_HEIGHT), BACKGROUND)
    for name, x, y in placed:
        strip.paste(load(name), (x, y))
    return strip


def sample_strips(inspect):
    rows = {entry["cell"]: entry for entry in read_table()}
    samples = []
    for value in (60, 1994, 20000, 79999):
        boxes = placements(inspect, value)
        for box in PICTURE_BOXES:
            row = rows[box]
            samples.append(("%s %d" % (row["caption"], value), compose(boxes[box], int(row["width"]))))
    return samples


def enlarge(image, zoom):
    return image.resize((image.width * zoom, image.height * zoom), Image.NEAREST)


def picture_rows(zoom):
    """Lays the catalogue out group by group; returns (placements, height)."""
    placements, y = [], CELL_PADDING
    for group in GROUPS:
        x, row_height = CELL_PADDING, 0
        for name in group:
            picture = enlarge(load(name), zoom)
            cell_width = max(picture.width, 60) + 2 * CELL_PADDING
            if x + cell_width > SHEET_WIDTH:
                x, y = CELL_PADDING, y + row_height + CELL_PADDING
                row_height = 0
            placements.append((name, picture, x, y, cell_width))
            row_height = max(row_height, picture.height + 2 * CELL_PADDING + LABEL_HEIGHT)
            x += cell_width + CELL_PADDING
        y += row_height + 2 * CELL_PADDING
    return placements, y


def render(zoom, inspect):
    font = ImageFont.truetype(LABEL_FONT, 12)
    placements, y = picture_rows(zoom)
    strip_zoom = max(2, zoom // 2)
    strips = sample_strips(inspect)
    strip_block = len(strips) * (STRIP_HEIGHT * strip_zoom + LABEL_HEIGHT + CELL_PADDING)
    sheet = Image.new("RGB", (SHEET_WIDTH, y + strip_block + CELL_PADDING), BACKGROUND)
    draw = ImageDraw.Draw(sheet)
    for name, picture, x, top, cell_width in placements:
        mat_height = picture.height + 2 * CELL_PADDING
        draw.rectangle((x, top, x + cell_width - 1, top + mat_height - 1), fill=MAT)
        sheet.paste(picture, (x + (cell_width - picture.width) // 2, top + CELL_PADDING))
        draw.text((x + 2, top + mat_height + 1), "%s %dx%d" % (name, picture.width // zoom, picture.height // zoom),
                  font=font, fill=(0, 0, 0))
    for label, strip in strips:
        draw.text((CELL_PADDING, y), label, font=font, fill=(0, 0, 128))
        y += LABEL_HEIGHT
        framed = enlarge(strip, strip_zoom)
        draw.rectangle((CELL_PADDING - 1, y - 1, CELL_PADDING + framed.width, y + framed.height), outline=MAT)
        sheet.paste(framed, (CELL_PADDING, y))
        y += framed.height + CELL_PADDING
    return sheet


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--zoom", type=int, default=4)
    parser.add_argument("--output", type=pathlib.Path, default=OUTPUT)
    parser.add_argument("--inspect", type=pathlib.Path, default=INSPECT,
                        help="the built tallyra-inspect (default: build/app/tallyra-inspect)")
    arguments = parser.parse_args()
    arguments.output.parent.mkdir(parents=True, exist_ok=True)
    render(arguments.zoom, arguments.inspect).save(arguments.output, optimize=True)
    print("wrote %s" % arguments.output)


if __name__ == "__main__":
    main()
