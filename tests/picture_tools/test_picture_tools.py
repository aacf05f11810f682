"""Tests of the numeral picture generator (tools/pictures).

Run with Debian's interpreter from the repository root:
    /usr/bin/python3 -m unittest discover -s tests/picture_tools
The encoder is checked against two decoders that share no code with it
(PIL and giflib); the committed pictures are checked against the catalogue.
"""

import pathlib
import random
import sys
import tempfile
import unittest

REPOSITORY = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPOSITORY / "tools" / "pictures"))

import gif_checks  # noqa: E402
import gif_writer  # noqa: E402
import make_pictures  # noqa: E402

FOLDERS = {1: REPOSITORY / "resources" / "pictures", 2: REPOSITORY / "resources" / "pictures" / "2x"}
REFERENCES = {1: REPOSITORY / "tests" / "data" / "pictures" / "reference.txt",
              2: REPOSITORY / "tests" / "data" / "pictures" / "reference-2x.txt"}

# The catalogue, typed in here independently of the generator.
CATALOGUE = {
    "KOREA0": (24, 26), "KOREA1": (24, 26), "KOREA2": (26, 26), "KOREA3": (26, 26),
    "KOREA4": (26, 26), "KOREA5": (26, 26), "KOREA6": (24, 26), "KOREA7": (26, 26),
    "KOREA8": (26, 26), "KOREA9": (24, 26), "KOREA10": (24, 26), "KOREA11": (24, 26),
    "KOREA12": (26, 26),
    "ASS0": (14, 24), "ASS1": (13, 36), "ASS2": (25, 37), "ASS3": (37, 37), "ASS4": (42, 32),
    "ASS5": (37, 38), "ASS6": (36, 36), "ASS7": (36, 37), "ASS8": (36, 37), "ASS9": (37, 37),
    "ASS10": (13, 37),
    "MA0": (18, 12), "MA1": (5, 5), "MA2": (5, 11), "MA3": (5, 17), "MA4": (5, 23),
    "MA5": (4, 23), "MA6": (11, 23), "MA7": (11, 23), "MA8": (11, 23), "MA9": (11, 23),
    "MA10": (10, 23),
    "H1": (4, 16), "H2": (9, 16), "H3": (12, 16), "H4": (16, 6), "H5": (16, 16),
    "H6": (14, 17), "H7": (25, 12), "H8": (16, 10), "H9": (28, 24),
    "H10": (18, 20), "H20": (16, 23), "H30": (19, 21), "H40": (23, 13), "H50": (10, 18),
    "H60": (31, 14), "H70": (16, 20), "H80": (31, 24), "H90": (31, 18),
    "H100": (38, 12), "H200": (38, 17), "H300": (38, 17), "H400": (39, 19), "H500": (41, 28),
    "H600": (42, 30), "H700": (38, 22), "H800": (42, 22), "H900": (44, 20),
    "H1000": (22, 29), "H2000": (45, 28), "H3000": (34, 26), "H4000": (34, 27),
    "H5000": (50, 22), "H6000": (31, 22), "H7000": (32, 24), "H8000": (33, 23),
    "H9000": (34, 33), "H10000": (31, 29),
}


def grey_palette(count):
    return [(k * 255 // (count - 1),) * 3 for k in range(count)]


def colour_palette(count):
    """count distinct colours (PIL reads a file with a plain 256-grey ramp as a
    grey picture, not an indexed one)."""
    return [(k * 255 // (count - 1), 255 - k * 255 // (count - 1), (k * 37) % 256) for k in range(count)]


def round_trip(test, width, height, palette, pixels, **options):
    """Encodes, then decodes with PIL and giflib; both must give the pixels back."""
    data = gif_writer.encode_gif(width, height, palette, pixels, **options)
    palette_read, pixels_read = gif_checks.decode_with_pil(data)
    test.assertEqual(pixels_read, pixels, "PIL")
    test.assertEqual(palette_read[:len(palette)], palette, "PIL palette")
    if gif_checks.GIFLIB is not None:
        with tempfile.NamedTemporaryFile(suffix=".gif") as file:
            file.write(data)
            file.flush()
            palette_read, pixels_read = gif_checks.decode_with_giflib(file.name)
        test.assertEqual(pixels_read, pixels, "giflib")
        test.assertEqual(palette_read, palette, "giflib palette")
    return data


class EncoderRoundTrip(unittest.TestCase):
    def test_pictures_of_every_table_size(self):
        generator = random.Random(7)
        for bits in range(1, 9):
            colours = 1 << bits
            with self.subTest(colours=colours):
                pixels = [generator.randrange(colours) for _ in range(23 * 17)]
                round_trip(self, 23, 17, colour_palette(colours), pixels)

    def test_long_noisy_picture_fills_the_code_table_several_times(self):
        # 40000 random indexes from 64 colours need far more than 4096 codes,
        # so the encoder must send clear codes in the middle of the data.
        generator = random.Random(11)
        pixels = [generator.randrange(64) for _ in range(200 * 200)]
        data = round_trip(self, 200, 200, grey_palette(64), pixels)
        self.assertGreater(len(data), 3 * 4096)

    def test_long_runs_reach_twelve_bit_codes(self):
        pixels = ([0] * 3000 + [1] * 3000 + [2] * 1000 + [3] * 1000) * 4
        round_trip(self, 128, 250, grey_palette(4), pixels)

    def test_degenerate_sizes(self):
        cases = [(1, 1, [1]), (1, 9, [0, 1] * 4 + [1]), (9, 1, [1, 0, 1, 1, 0, 0, 1, 0, 1]),
                 (3, 3, [0] * 9)]
        for width, height, pixels in cases:
            with self.subTest(width=width, height=height):
                round_trip(self, width, height, grey_palette(2), pixels)

    def test_interlaced_pictures_of_every_height_up_to_twenty(self):
        for height in range(1, 21):
            with self.subTest(height=height):
                pixels = [row % 4 for row in range(height) for _ in range(6)]
                round_trip(self, 6, height, grey_palette(4), pixels, interlaced=True)


class EncoderDetails(unittest.TestCase):
    def test_interlaced_row_order(self):
        self.assertEqual(gif_writer.interlaced_row_order(10), [0, 8, 4, 2, 6, 1, 3, 5, 7, 9])
        self.assertEqual(gif_writer.interlaced_row_order(1), [0])
        self.assertEqual(gif_writer.interlaced_row_order(3), [0, 2, 1])

    def test_minimum_code_size_is_at_least_two(self):
        cases = {2: 2, 4: 2, 8: 3, 16: 4, 32: 5, 64: 6, 256: 8}
        for colours, expected in cases.items():
            with self.subTest(colours=colours):
                self.assertEqual(gif_writer.minimum_code_size(colours), expected)

    def test_sub_blocks_hold_at_most_255_bytes_and_end_with_a_terminator(self):
        blocks = gif_writer.sub_blocks(bytes(600))
        self.assertEqual(blocks[0], 255)
        self.assertEqual(blocks[256], 255)
        self.assertEqual(blocks[512], 90)
        self.assertEqual(blocks[-1], 0)
        self.assertEqual(len(blocks), 600 + 4)
        self.assertEqual(gif_writer.sub_blocks(b""), b"\x00")

    def test_two_colour_file_layout(self):
        data = gif_writer.encode_gif(2, 2, [(255, 255, 255), (0, 0, 0)], [0, 1, 1, 0])
        self.assertEqual(data[:6], b"GIF87a")
        self.assertEqual(data[6:10], bytes([2, 0, 2, 0]))
        self.assertEqual(data[10], 0xF0)            # global table, 8-bit colour, 2 entries
        self.assertEqual(data[13:19], bytes([255, 255, 255, 0, 0, 0]))
        self.assertEqual(data[19:29], bytes([0x2C, 0, 0, 0, 0, 2, 0, 2, 0, 0]))
        self.assertEqual(data[29], 2)               # minimum code size
        self.assertEqual(data[-1], 0x3B)

    def test_version_and_interlace_flag(self):
        data = gif_writer.encode_gif(1, 2, grey_palette(2), [0, 1], version="89a", interlaced=True)
        self.assertEqual(data[:6], b"GIF89a")
        self.assertEqual(data[28], 0x40)

    def test_refuses_what_a_gif_cannot_hold(self):
        with self.assertRaises(ValueError):
            gif_writer.encode_gif(1, 1, grey_palette(2)[:1], [0])         # one colour
        with self.assertRaises(ValueError):
            gif_writer.encode_gif(1, 1, grey_palette(2) + [(1, 2, 3)], [0])  # three colours
        with self.assertRaises(ValueError):
            gif_writer.encode_gif(2, 1, grey_palette(2), [0, 2])          # index outside the table
        with self.assertRaises(ValueError):
            gif_writer.encode_gif(2, 2, grey_palette(2), [0, 1, 0])       # too few pixels
        with self.assertRaises(ValueError):
            gif_writer.encode_gif(1, 1, grey_palette(2), [0], version="90a")


def reference_lines(zoom):
    lines = [line.split() for line in REFERENCES[zoom].read_text(encoding="ascii").splitlines()
             if line and not line.startswith("#")]
    return {fields[0]: fields[1:] for fields in lines}


def grey_rows(reference_entry):
    """The picture of a reference line as rows of grey values."""
    width, height, palette, pixels = reference_entry
    width, height = int(width), int(height)
    greys = [int(colour[:2], 16) for colour in palette.split(",")]
    values = [greys[int(pixels[k:k + 2], 16)] for k in range(0, len(pixels), 2)]
    return [values[row * width:(row + 1) * width] for row in range(height)]


def block_difference(small, large, shift):
    """Mean difference between each pixel of a plain picture and the average
    of the 2 x 2 block of the double-size one, `shift` plain pixels to the
    right (clamped at the edges)."""
    total = count = 0
    for y, row in enumerate(small):
        for x, grey in enumerate(row):
            bx = 2 * min(max(x + shift, 0), len(row) - 1)
            block = (large[2 * y][bx] + large[2 * y][bx + 1] + large[2 * y + 1][bx] + large[2 * y + 1][bx + 1]) / 4
            total += abs(block - grey)
            count += 1
    return total / count


class CommittedPictures:
    """The committed pictures of one size against the catalogue: the same
    rules at both sizes, every length ZOOM times the catalogue's."""

    ZOOM = 1

    @classmethod
    def setUpClass(cls):
        cls.reference = reference_lines(cls.ZOOM)
        cls.folder = FOLDERS[cls.ZOOM]

    def file(self, name):
        return self.folder / (name + ".GIF")

    def test_exactly_the_catalogue_names_and_sizes(self):
        files = sorted(path.name for path in self.folder.glob("*.GIF"))
        self.assertEqual(files, sorted(name + ".GIF" for name in CATALOGUE))
        self.assertEqual(sorted(self.reference), sorted(CATALOGUE))
        for name, (width, height) in CATALOGUE.items():
            with self.subTest(name=name):
                width, height = width * self.ZOOM, height * self.ZOOM
                layout = gif_checks.walk_blocks(self.file(name).read_bytes())
                self.assertEqual(layout.screen, (width, height))
                self.assertEqual(self.reference[name][:2], [str(width), str(height)])

    def test_format_split_and_interlacing(self):
        versions, interlaced = {}, []
        for name in CATALOGUE:
            layout = gif_checks.walk_blocks(self.file(name).read_bytes())
            versions[layout.version] = versions.get(layout.version, 0) + 1
            if layout.frames[0][4]:
                interlaced.append(name)
        self.assertEqual(versions, {"87a": 57, "89a": 15})
        self.assertEqual(interlaced, ["ASS0"])

    def test_reference_matches_the_files(self):
        for name, (width, height, palette, pixels) in self.reference.items():
            with self.subTest(name=name):
                palette_read, indexes = gif_checks.decode_with_pil(self.file(name).read_bytes())
                colours = ["%02x%02x%02x" % colour for colour in palette_read]
                self.assertEqual(colours[:len(palette.split(","))], palette.split(","))
                self.assertEqual(len(pixels), 2 * int(width) * int(height))
                self.assertEqual("".join("%02x" % index for index in indexes), pixels)

    def test_dark_signs_on_a_white_ground(self):
        # The Maya pictures are cut close around their dots and bars.
        for name, (width, height, palette, pixels) in self.reference.items():
            with self.subTest(name=name):
                greys = [int(colour[:2], 16) for colour in palette.split(",")]
                self.assertGreaterEqual(greys[0], 240)
                self.assertLess(greys[-1], 64)
                indexes = [int(pixels[k:k + 2], 16) for k in range(0, len(pixels), 2)]
                dark = sum(1 for index in indexes if greys[index] < 64)
                self.assertGreater(dark, 4 * self.ZOOM * self.ZOOM)
                if name.startswith("MA") and name not in ("MA0", "MA5", "MA10"):
                    self.assertGreaterEqual(greys[indexes[0]], 128)  # a round dot leaves its corner light
                elif not name.startswith("MA"):
                    most_common = max(set(indexes), key=indexes.count)
                    self.assertGreaterEqual(greys[most_common], 240)

    def test_wedges_stay_above_the_rows_the_assyrian_row_cuts_off(self):
        for name in ("ASS%d" % k for k in range(11)):
            width, height, palette, pixels = self.reference[name]
            width, height = int(width), int(height)
            with self.subTest(name=name):
                for row in range(35 * self.ZOOM, height):
                    self.assertEqual(set(pixels[2 * width * row:2 * width * (row + 1)]), {"0"}, row)

    def test_neighbouring_signs_cannot_touch(self):
        # Korean and hieratic signs stand side by side without gaps: their
        # outer columns (one pixel of the catalogue's size) stay white.
        for name in [n for n in CATALOGUE if n.startswith(("KOREA", "H"))]:
            width, height, palette, pixels = self.reference[name]
            width, height = int(width), int(height)
            side = 2 * self.ZOOM
            with self.subTest(name=name):
                for row in range(height):
                    start = 2 * width * row
                    self.assertEqual(pixels[start:start + side], "0" * side)
                    self.assertEqual(pixels[start + 2 * width - side:start + 2 * width], "0" * side)


class PlainPictures(CommittedPictures, unittest.TestCase):
    ZOOM = 1


class DoubleSizePictures(CommittedPictures, unittest.TestCase):
    ZOOM = 2

    def test_same_drawing_as_the_plain_pictures(self):
        """Every 2 x 2 block of a double-size picture, averaged, is close to
        the plain picture's pixel, and closer than one pixel to either side:
        the same signs at the same places. The dots have only 4 greys, and
        the Korean syllables are hinted afresh at their size, so they may
        differ more (a syllable's stems may move by half a pixel)."""
        plain = reference_lines(1)
        for name in CATALOGUE:
            with self.subTest(name=name):
                small, large = grey_rows(plain[name]), grey_rows(self.reference[name])
                here = block_difference(small, large, 0)
                if name.startswith("KOREA"):
                    self.assertLess(here, 30)
                    continue
                self.assertLess(here, 16 if name in ("MA1", "MA2", "MA3", "MA4") else 8)
                self.assertLessEqual(here, block_difference(small, large, -1))
                self.assertLessEqual(here, block_difference(small, large, 1))

    def test_finer_than_the_plain_picture_enlarged(self):
        """Not the plain picture with every pixel doubled: the edges have
        their own steps. (The bars alone lie on whole pixels at both sizes.)"""
        plain = reference_lines(1)
        for name in [n for n in CATALOGUE if n not in ("MA5", "MA10")]:
            with self.subTest(name=name):
                small, large = grey_rows(plain[name]), grey_rows(self.reference[name])
                doubled = [[row[x // 2] for x in range(2 * len(row))] for row in small for _ in (0, 1)]
                self.assertTrue(large != doubled, "the plain picture enlarged")


class Generator(unittest.TestCase):
    def test_drawing_twice_gives_the_same_bytes(self):
        first = [(p.name, p.gif_bytes(), p.reference_line()) for p in make_pictures.draw_every_size()]
        second = [(p.name, p.gif_bytes(), p.reference_line()) for p in make_pictures.draw_every_size()]
        self.assertEqual(first, second)

    def test_committed_pictures_are_the_generator_output(self):
        pictures = make_pictures.draw_every_size()
        self.assertEqual(len(pictures), 2 * len(CATALOGUE))
        problems = make_pictures.check(pictures)
        self.assertEqual(problems, [])


if __name__ == "__main__":
    unittest.main()
