#!/usr/bin/python3
"""Draws the 72 numeral pictures, at their size and at twice it, and writes
them as GIF files.

    /usr/bin/python3 tools/pictures/make_pictures.py           # write
    /usr/bin/python3 tools/pictures/make_pictures.py --check   # verify

Writing puts resources/pictures/<NAME>.GIF (upper-case names) and the pixel
reference tests/data/pictures/reference.txt into the repository, and the
same pictures drawn at twice the size (for screens of twice the pixel
density) into resources/pictures/2x/<NAME>.GIF and reference-2x.txt. Both
sizes come from the same drawing and follow the same catalogue rules. The output
depends only on this script, the installed fonts and the FreeType/PIL
versions: the same inputs give the same bytes.

--check draws everything again into a temporary folder, compares the bytes
with the files in the repository, decodes every file in the repository with
PIL and with giflib and compares palette and pixels with what was drawn,
and walks each file's blocks (version, one global table of 2 to 64
colours, one frame at 0,0 as large as the screen, no local table, no
extensions, the trailer last, interlacing only where wanted). It exits
with status 1 on any difference.
"""

import argparse
import pathlib
import sys
import tempfile

import cuneiform
import gif_checks
import gif_writer
import hieratic
import korean
import maya

REPOSITORY = pathlib.Path(__file__).resolve().parents[2]
ZOOMS = (1, 2)
PICTURE_FOLDERS = {1: pathlib.PurePosixPath("resources/pictures"),
                   2: pathlib.PurePosixPath("resources/pictures/2x")}
REFERENCE_FILES = {1: pathlib.PurePosixPath("tests/data/pictures/reference.txt"),
                   2: pathlib.PurePosixPath("tests/data/pictures/reference-2x.txt")}

# The Korean syllables and the two zero signs (empty place, shell) are
# stored in the 1989 version of the format, all other pictures in the 1987
# version; the pictures use nothing that needs 89a, so the version only
# marks the group. The empty-place sign is the one interlaced picture.
VERSION_89A = {"korea%d" % k for k in range(13)} | {"ass0", "ma0"}
INTERLACED = {"ass0"}

REFERENCE_HEADER = (
    "# Pixels of the numeral pictures, one line per picture:\n"
    "# NAME WIDTH HEIGHT PALETTE PIXELS\n"
    "# PALETTE: the global colour table, RRGGBB hex triples joined by commas.\n"
    "# PIXELS: two hex digits (the colour index) per pixel, rows top to bottom.\n"
    "# Written by tools/pictures/make_pictures.py; do not edit.\n"
)


class Picture:
    def __init__(self, zoom, name, width, height, palette, indexes):
        self.zoom = zoom
        self.name = name
        self.width = width
        self.height = height
        self.palette = palette
        self.indexes = indexes

    @property
    def file_name(self):
        return self.name.upper() + ".GIF"

    @property
    def path(self):
        """Where the picture lives, relative to the repository."""
        return PICTURE_FOLDERS[self.zoom] / self.file_name

    @property
    def version(self):
        return "89a" if self.name in VERSION_89A else "87a"

    @property
    def interlaced(self):
        return self.name in INTERLACED

    def gif_bytes(self):
        return gif_writer.encode_gif(self.width, self.height, self.palette, self.indexes,
                                     version=self.version, interlaced=self.interlaced)

    def reference_line(self):
        palette = ",".join("%02x%02x%02x" % colour for colour in self.palette)
        pixels = "".join("%02x" % index for index in self.indexes)
        return "%s %d %d %s %s\n" % (self.name.upper(), self.width, self.height, palette, pixels)


def draw_all(zoom=1):
    """All 72 pictures in catalogue order, zoom times the catalogue's size."""
    pictures = []
    for group in (korean, cuneiform, maya, hieratic):
        pictures += [Picture(zoom, *drawn) for drawn in group.pictures(zoom)]
    return pictures


def draw_every_size():
    return [picture for zoom in ZOOMS for picture in draw_all(zoom)]


def write_all(pictures, root):
    for zoom in sorted({picture.zoom for picture in pictures}):
        (root / PICTURE_FOLDERS[zoom]).mkdir(parents=True, exist_ok=True)
        reference = root / REFERENCE_FILES[zoom]
        reference.parent.mkdir(parents=True, exist_ok=True)
        with open(reference, "w", encoding="ascii", newline="\n") as out:
            out.write(REFERENCE_HEADER)
            for picture in pictures:
                if picture.zoom == zoom:
                    out.write(picture.reference_line())
    for picture in pictures:
        (root / picture.path).write_bytes(picture.gif_bytes())


def compare_bytes(fresh_root, committed_root, pictures):
    problems = []
    zooms = sorted({picture.zoom for picture in pictures})
    paths = [picture.path for picture in pictures] + [REFERENCE_FILES[zoom] for zoom in zooms]
    for path in paths:
        committed = committed_root / path
        if not committed.exists():
            problems.append("%s is missing" % path)
        elif committed.read_bytes() != (fresh_root / path).read_bytes():
            problems.append("%s differs from a fresh drawing" % path)
    for zoom in zooms:
        folder = PICTURE_FOLDERS[zoom]
        expected = {picture.file_name for picture in pictures if picture.zoom == zoom}
        present = {path.name for path in (committed_root / folder).glob("*.GIF")}
        problems += ["%s is not a catalogue picture" % (folder / name) for name in sorted(present - expected)]
    return problems


def check_structure(picture, data):
    layout = gif_checks.walk_blocks(data)
    problems = []
    expected_frame = (0, 0, picture.width, picture.height, picture.interlaced, False)
    if layout.version != picture.version:
        problems.append("version %s" % layout.version)
    if layout.screen != (picture.width, picture.height):
        problems.append("logical screen %s" % (layout.screen,))
    if not 2 <= layout.global_table_size <= 64:
        problems.append("global colour table of %d" % layout.global_table_size)
    if layout.frames != [expected_frame]:
        problems.append("frames %s" % layout.frames)
    if layout.extensions:
        problems.append("%d extensions" % layout.extensions)
    bits_per_index = (len(picture.palette) - 1).bit_length()
    if layout.min_code_sizes != [max(2, bits_per_index)]:
        problems.append("minimum code size %s" % layout.min_code_sizes)
    if not layout.trailer_last:
        problems.append("trailer is not the last byte")
    return problems


def check_decoders(picture, path, data):
    problems = []
    decoders = [("PIL", gif_checks.decode_with_pil(data)), ("giflib", gif_checks.decode_with_giflib(path))]
    for decoder, decoded in decoders:
        if decoded is None:
            continue
        palette, indexes = decoded
        if palette[:len(picture.palette)] != picture.palette:
            problems.append("%s reads another palette" % decoder)
        if indexes != picture.indexes:
            problems.append("%s reads other pixels" % decoder)
    return problems


def check(pictures):
    with tempfile.TemporaryDirectory() as fresh:
        fresh_root = pathlib.Path(fresh)
        write_all(pictures, fresh_root)
        problems = compare_bytes(fresh_root, REPOSITORY, pictures)
    for picture in pictures:
        path = REPOSITORY / picture.path
        if not path.exists():
            continue
        data = path.read_bytes()
        found = check_structure(picture, data) + check_decoders(picture, path, data)
        problems += ["%s: %s" % (picture.path, problem) for problem in found]
    if gif_checks.GIFLIB is None:
        print("note: giflib not found, decoded with PIL only")
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="compare a fresh drawing with the files in the repository")
    arguments = parser.parse_args()
    pictures = draw_every_size()
    if len(pictures) != 72 * len(ZOOMS):
        print("drew %d pictures, expected %d" % (len(pictures), 72 * len(ZOOMS)))
        return 1
    if not arguments.check:
        write_all(pictures, REPOSITORY)
        print("wrote %d pictures and %s" % (len(pictures), ", ".join(map(str, REFERENCE_FILES.values()))))
        return 0
    problems = check(pictures)
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print("all %d pictures match (72 at each of %d sizes)" % (len(pictures), len(ZOOMS)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
