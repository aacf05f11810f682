#!/usr/bin/python3
"""Renders all numeral pictures, enlarged, into docs/pictures.png.

    /usr/bin/python3 tools/pictures/contact_sheet.py [--zoom 4]

The pictures are read back from resources/pictures/ (so the sheet shows the
files as written), enlarged without smoothing, each on a light grey mat with
its name below. A second part shows a few numbers composed the way the
program composes its picture rows, at the enlargement.
"""

import argparse
import pathlib

from PIL import Image, ImageDraw, ImageFont

REPOSITORY = pathlib.Path(__file__).resolve().parents[2]
PICTURES = REPOSITORY / "resources" / "pictures"
OUTPUT = REPOSITORY / "docs" / "pictures.png"
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


def korean_names(value):
    names = []
    for power, sign in ((10000, 12), (1000, 11), (100, 10), (10, 9)):
        digit = value // power % 10 if power < 10000 else value // power
        if digit >= 2:
            names.append("korea%d" % (digit - 1))
        if digit >= 1:
            names.append("korea%d" % sign)
    if value % 10:
        names.append("korea%d" % (value % 10 - 1))
    return names


def hieratic_names(value):
    names = []
    if value // 10000:
        names += ["h%d" % (value // 10000), "h10000"]
    for power in (1000, 100, 10, 1):
        digit = value // power % 10
        if digit:
            names.append("h%d" % (digit * power))
    return names


def assyrian_steps(value):
    a, b, c = value // 3600, value % 3600 // 60, value % 60
    steps = ["ass10"] * (a // 10) + (["ass%d" % (a % 10)] if a % 10 else []) + [4]
    steps += ["ass10"] * (b // 10)
    if b % 10:
        steps.append("ass%d" % (b % 10))
    elif value > 59:
        steps.append("ass0")
    return steps + [4] + ["ass10"] * (c // 10) + ["ass%d" % (c % 10)]


def maya_steps(value):
    digits = []
    rest = value // 360
    while True:
        digits.insert(0, rest % 20)
        rest //= 20
        if rest == 0:
            break
    digits += [value // 20 % 18, value % 20]
    steps = []
    for digit in digits:
        if digit <= 0:
            steps.append("ma0")
        elif digit <= 10:
            steps.append("ma%d" % digit)
        else:
            steps += ["ma%d" % (digit - 10), 2, "ma10"]
        steps.append(8)
    return steps


def compose(steps, width, centred=False):
    """A picture strip: names are drawn at the cursor, numbers are gaps."""
    strip = Image.new("RGB", (width, STRIP_HEIGHT), BACKGROUND)
    cursor = 1
    for step in steps:
        if isinstance(step, int):
            cursor += step
            continue
        picture = load(step)
        top = (STRIP_HEIGHT - picture.height) // 2 if centred else 0
        strip.paste(picture, (cursor, top))
        cursor += picture.width
    return strip


def sample_strips():
    samples = []
    for value in (60, 1994, 20000, 79999):
        samples.append(("Korean %d" % value, compose(korean_names(value), 456)))
        samples.append(("Hieratic %d" % value, compose(hieratic_names(value), 448, centred=True)))
        samples.append(("Assyrian %d" % value, compose(assyrian_steps(value), 448)))
        samples.append(("Maya %d" % value, compose(maya_steps(value), 456)))
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


def render(zoom):
    font = ImageFont.truetype(LABEL_FONT, 12)
    placements, y = picture_rows(zoom)
    strip_zoom = max(2, zoom // 2)
    strips = sample_strips()
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
    arguments = parser.parse_args()
    arguments.output.parent.mkdir(parents=True, exist_ok=True)
    render(arguments.zoom).save(arguments.output, optimize=True)
    print("wrote %s" % arguments.output)


if __name__ == "__main__":
    main()
