#!/usr/bin/python3
"""Unit tests of the font build's logic: cell geometry, fit groups, the
width fit, the caption census, outlines and the source note.

Run with Debian's /usr/bin/python3; exits 77 (skipped) without fontTools.
"""

import math
import os
import random
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(REPO, "tools", "fonts"))

try:
    import fontTools  # noqa: F401
except ImportError:
    print("skipped: python3-fonttools is not installed")
    sys.exit(77)

from glyfa import metrics  # noqa: E402
from glyfa.compose import fill_largest_hole  # noqa: E402
from glyfa.fitting import (CaptionWidths, FitGroup, caption_px, candidate_captions,  # noqa: E402
                           fit_groups, read_census, spaced_advance, width_factor)
from glyfa.notes import _ranges  # noqa: E402
from glyfa.outlines import Outline, outline_from_points, rectangle, signed_area  # noqa: E402
from glyfa.placeholders import _open_box  # noqa: E402
from glyfa.rows import ROWS, Row, parse_runs, parse_values, read_table, row_of  # noqa: E402
from glyfa.spacing import MIN_BEARING_PX, PIXEL_BEARING_PX, Spacing, group_spacing  # noqa: E402
from textfonts.build import TextFamily, fits_the_cell, ink_px, largest_fitting_height  # noqa: E402
from textfonts.rows import TEXT_ROWS, families, parse_samples, parse_units  # noqa: E402
from textfonts.sources import SOURCES, file_name  # noqa: E402


class CellGeometryTest(unittest.TestCase):
    def test_baseline_follows_the_program_formula(self):
        # (height, baseline) worked out by hand with A and D from the heights:
        # floor((38 - (A + D)) / 2) + A.
        for height, baseline in ((27, 30), (48, 38), (24, 28), (20, 27), (40, 35), (45, 37)):
            with self.subTest(height=height):
                self.assertEqual(metrics.baseline_from_top_px(height), baseline)

    def test_band_keeps_the_margin_inside_the_cell(self):
        for height in (20, 24, 27, 29, 32, 37, 40, 45, 48):
            for bold in (False, True):
                band = metrics.row_band(height, bold)
                margin = metrics.SAFETY_BOLD_PX if bold else metrics.SAFETY_PX
                baseline = metrics.baseline_from_top_px(height)
                top_px = baseline - band.top * height / metrics.UNITS_PER_EM
                bottom_px = baseline - band.bottom * height / metrics.UNITS_PER_EM
                self.assertGreaterEqual(top_px, margin - 1e-9)
                self.assertLessEqual(bottom_px, metrics.CELL_HEIGHT_PX - margin + 1e-9)
                self.assertLessEqual(band.top, metrics.ASCENDER)
                self.assertGreaterEqual(band.bottom, metrics.DESCENDER)

    def test_at_48_px_the_band_lies_above_the_baseline(self):
        self.assertGreater(metrics.row_band(48, True).bottom, 0)

    def test_at_27_px_the_windows_metrics_limit_the_band(self):
        band = metrics.row_band(27, False)
        self.assertLess(band.top, metrics.ASCENDER)
        self.assertGreater(band.bottom, metrics.DESCENDER)
        self.assertEqual(metrics.row_band(24, False).top, metrics.ASCENDER)

    def test_advances_round_to_whole_pixels(self):
        self.assertEqual(metrics.advance_px(2048, 27), 27)
        self.assertEqual(metrics.advance_px(1024, 27), 14)  # 13.5 rounds up
        self.assertEqual(metrics.advance_px(0, 27), 0)

    def test_synthesized_bold_widens_every_advance(self):
        self.assertEqual(metrics.advance_px(2048, 24, bold=True), 25)
        self.assertEqual(metrics.advance_px(0, 48, bold=True), 2)
        self.assertEqual(metrics.advance_px(1024, 28, bold=True), 15)  # 14 + 1.17


class RowTableTest(unittest.TestCase):
    def test_runs_and_values_read_back(self):
        self.assertEqual(parse_runs("32 58-60 99"), (32, 58, 59, 60, 99))
        self.assertEqual(parse_runs("-"), ())
        self.assertEqual(parse_values("58=0 59=1 201=10000"), {58: 0, 59: 1, 201: 10000})
        self.assertEqual(parse_values("-"), {})

    def test_table_rows_become_font_rows(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "rows.tsv")
            with open(path, "w", encoding="utf-8") as file:
                file.write("cell\tcaption\tkind\tfamily\theight\tbold\twidth\tcodes\n"
                           "P1\tP\u00e9krif\tpanel\tGlyfa08d\t27\t1\t456\t32 40-41\n")
            entry = read_table(path)[0]
        row = row_of(entry)
        self.assertEqual((row.caption, row.cell, row.family, row.height, row.bold, row.width),
                         ("P\u00e9krif", "P1", "Glyfa08d", 27, True, 456))
        self.assertEqual(row.codes, (40, 41))  # the blank is the families' own

    def test_rows_sharing_a_code_form_one_group(self):
        rows = [_row(codes=(65, 66), cell="P1"), _row(codes=(66, 67), cell="P2"),
                _row(codes=(70,), cell="P3")]
        groups = fit_groups("Glyfa08", rows)
        self.assertEqual(sorted(sorted(row.cell for row in group.rows) for group in groups),
                         [["P1", "P2"], ["P3"]])


def _row(width=100, height=20, codes=(65,), bold=False, cell="P99"):
    return Row("Test", cell, "Glyfa08", height, bold, width, tuple(codes))


class WidthFitTest(unittest.TestCase):
    def _fit(self, row, census, advance=2048):
        placed = {code: Outline((), advance) for code in row.codes}
        widths = CaptionWidths(census)
        fixed = {32: metrics.SPACE_ADVANCE}
        candidates = {row.caption: candidate_captions(row, widths.captions(row), placed, fixed)}
        group = FitGroup(row.family, [row], list(row.codes))
        return width_factor(group, candidates, placed, fixed), placed, fixed

    def _width(self, row, census, placed, fixed, factor):
        def advance_of(code):
            return round(placed[code].advance * factor) if code in placed else fixed[code]
        return max(caption_px(c, row, advance_of) for c in CaptionWidths(census).captions(row))

    def test_a_caption_that_fits_keeps_full_size(self):
        row = _row()
        factor, _, _ = self._fit(row, {"P99": [{65: 4}]})
        self.assertEqual(factor, 1.0)

    def test_an_overflowing_caption_shrinks_the_row_just_enough(self):
        row = _row()
        census = {"P99": [{32: 1, 65: 10}, {65: 3}]}
        factor, placed, fixed = self._fit(row, census)
        limit = row.width - metrics.WIDTH_SAFETY_PX
        self.assertLess(factor, 1.0)
        self.assertLessEqual(self._width(row, census, placed, fixed, factor), limit)
        self.assertGreater(self._width(row, census, placed, fixed, factor + 0.01), limit)

    def test_a_row_missing_from_the_census_is_an_error(self):
        with self.assertRaises(KeyError):
            CaptionWidths({"P1": [{65: 1}]}).captions(_row())

    def test_bold_rows_shrink_more(self):
        census = {"P99": [{32: 1, 65: 10}]}
        regular, _, _ = self._fit(_row(), census)
        bold, _, _ = self._fit(_row(bold=True), census)
        self.assertLess(bold, regular)

    def test_pruning_never_loses_the_widest_caption(self):
        for bold in (False, True):
            with self.subTest(bold=bold):
                self._check_pruning(_row(width=400, codes=(65, 66, 67), bold=bold))

    def _check_pruning(self, row):
        rng = random.Random(7)
        codes = row.codes
        placed = {65: Outline((), 900), 66: Outline((), 1500), 67: Outline((), 2600)}
        fixed = {32: metrics.SPACE_ADVANCE}
        captions = [[((32,), rng.randint(0, 12))] + [((c,), rng.randint(0, 9)) for c in codes]
                    for _ in range(300)]
        kept = candidate_captions(row, captions, placed, fixed)
        self.assertLess(len(kept), len(captions))
        for factor in (0.05, 0.2, 0.37, 0.5, 0.81, 1.0):
            def advance_of(code):
                return round(placed[code].advance * factor) if code in placed else fixed[code]
            widest = max(caption_px(c, row, advance_of) for c in captions)
            self.assertEqual(max(caption_px(c, row, advance_of) for c in kept), widest)


class SpacingTest(unittest.TestCase):
    PX = metrics.UNITS_PER_EM / 29  # font units per pixel at 29 px

    def test_narrow_bearings_widen_and_wide_ones_stay(self):
        spacing = Spacing(100)
        tight = spacing.apply(rectangle(10, 0, 500, 700))
        self.assertEqual(tight.bounds()[0], 100)
        self.assertEqual(tight.advance, 690)  # ink moved to 100..590, then 100 clear units
        loose = spacing.apply(Outline(rectangle(300, 0, 500, 700).ops, 900))
        self.assertEqual(loose.bounds()[0], 300)
        self.assertEqual(loose.advance, 900)

    def test_whole_pixel_signs_have_whole_pixel_ink_and_advances(self):
        spacing = Spacing(PIXEL_BEARING_PX * self.PX, self.PX)
        for width_px in (2.3, 4.5, 7.9, 11.2):
            with self.subTest(width_px=width_px):
                sign = spacing.apply(rectangle(40, 0, 40 + width_px * self.PX, 900))
                x_min, _, x_max, _ = sign.bounds()
                ink_px = (x_max - x_min) / self.PX
                self.assertAlmostEqual(ink_px, round(width_px), places=6)
                self.assertAlmostEqual(x_min / self.PX, PIXEL_BEARING_PX, places=6)
                advance_px = sign.advance / self.PX
                self.assertEqual(math.floor(advance_px), round(width_px) + 2 * PIXEL_BEARING_PX)
                self.assertLess(advance_px - math.floor(advance_px), 1 / self.PX)

    def test_rows_drawn_to_meet_keep_their_spacing(self):
        dni = next(row for row in ROWS if row.caption == "D'Ni")
        self.assertIsNone(group_spacing([dni]))

    def test_bold_rows_keep_more_room(self):
        regular = group_spacing([_row(height=28)])
        bold = group_spacing([_row(height=28, bold=True)])
        self.assertAlmostEqual(regular.bearing, MIN_BEARING_PX * metrics.UNITS_PER_EM / 28)
        self.assertGreater(bold.bearing, regular.bearing)

    def test_width_fit_counts_the_spacing(self):
        row = _row(width=200)
        census = {"P99": [{32: 1, 65: 12}]}
        placed = {65: rectangle(0, 0, 1500, 1000)}
        fixed = {32: metrics.SPACE_ADVANCE}
        spacing = group_spacing([row])
        candidates = {row.caption: candidate_captions(row, CaptionWidths(census).captions(row),
                                                      placed, fixed, spacing)}
        group = FitGroup(row.family, [row], [65])
        spaced = width_factor(group, candidates, placed, fixed, spacing)
        plain = width_factor(group, candidates, placed, fixed)
        self.assertLess(spaced, plain)
        extent = (0, 1500, 1500)

        def width_at(factor):
            advance = round(spaced_advance(extent, factor, spacing))
            return caption_px(candidates[row.caption][0], row,
                              lambda code: advance if code == 65 else fixed[code])
        self.assertLessEqual(width_at(spaced), row.width - metrics.WIDTH_SAFETY_PX)
        self.assertGreater(width_at(spaced + 0.01), row.width - metrics.WIDTH_SAFETY_PX)


class HieroglyphTest(unittest.TestCase):
    def test_filling_drops_the_largest_counter_only(self):
        body = rectangle(0, 0, 10, 20)
        hollow = rectangle(1, 1, 9, 19).transformed(-1, 1, 10, 0)  # wound the other way
        nail = rectangle(6, 15, 8, 18).transformed(-1, 1, 14, 0)
        filled = fill_largest_hole(Outline.join([body, hollow, nail], 10))
        areas = sorted(signed_area(part) for part in filled.contours())
        self.assertEqual(len(areas), 2)
        self.assertAlmostEqual(areas[0], -200)
        self.assertAlmostEqual(areas[1], 6)


class CensusTest(unittest.TestCase):
    def test_lines_become_code_counts_per_cell(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "census.txt")
            with open(path, "w", encoding="utf-8") as file:
                file.write("P28\t32:1 217:7 216:9\n\n# comment\nP6\t32:1 58:5\nP28\t32:1 213:2\n")
            census = read_census(path)
        self.assertEqual(census, {"P28": [{32: 1, 217: 7, 216: 9}, {32: 1, 213: 2}],
                                  "P6": [{32: 1, 58: 5}]})


class OutlineTest(unittest.TestCase):
    def test_points_become_a_clockwise_square(self):
        square = ((0, 0, True), (0, 10, True), (10, 10, True), (10, 0, True))
        outline = outline_from_points([square], 12, 10)
        self.assertEqual(outline.bounds(), (0, 0, 1, 1))
        self.assertAlmostEqual(outline.advance, 1.2)
        self.assertAlmostEqual(signed_area(outline), -1.0)

    def test_off_curve_points_make_curves(self):
        diamond = ((0, 5, True), (0, 10, False), (5, 10, True), (10, 10, False),
                   (10, 5, True), (10, 0, False), (5, 0, True), (0, 0, False))
        outline = outline_from_points([diamond], 10, 10)
        self.assertTrue(any(op == "qCurveTo" for op, _ in outline.ops))
        self.assertLess(signed_area(outline), 0)  # clockwise, like TrueType outer contours

    def test_rectangle_is_clockwise(self):
        self.assertAlmostEqual(signed_area(rectangle(0, 0, 2, 3)), -6.0)

    def test_placeholder_box_has_a_counter(self):
        areas = sorted(signed_area(part) for part in _open_box().contours())
        self.assertLess(areas[0], 0)
        self.assertGreater(areas[1], 0)

    def test_transform_scales_advance_with_x(self):
        outline = rectangle(0, 0, 1, 1).transformed(2, 3, 5, 7)
        self.assertEqual(outline.bounds(), (5, 7, 7, 10))
        self.assertEqual(outline.advance, 2)


class TextFamilyTest(unittest.TestCase):
    def test_units_and_samples_read_back(self):
        self.assertEqual(parse_units("0430 0430+0483 11064+1107F+11053"), ("а", "а҃", "𑁤𑁿𑁓"))
        self.assertEqual(parse_samples("0:-;7:10D6;15:10D8 10D4"), ((0, None), (7, "ზ"), (15, "იე")))

    def test_every_text_row_has_a_source_and_a_file_of_its_own(self):
        self.assertEqual(len(TEXT_ROWS), 28 + 25 + 22)  # the third, fourth and fifth pages
        self.assertEqual(set(families()), set(SOURCES))
        names = [file_name(family, source) for family, source in SOURCES.items()]
        self.assertEqual(len(set(names)), len(names))

    def test_the_ink_is_centred_and_the_largest_fit_is_the_last_that_fits(self):
        family = TextFamily("Test", "Test.ttf", b"", None, "", [], 0, (-250, 750), 1000)
        for height in range(20, 45):
            top, bottom = ink_px(family, height)
            # Centred but for the rounding of ascent and descent and the floor.
            self.assertLessEqual(abs(top - (metrics.CELL_HEIGHT_PX - bottom)), 2.0)
            self.assertEqual(fits_the_cell(family, height), top >= 1.5 and bottom <= metrics.CELL_HEIGHT_PX - 1.5)
        largest = largest_fitting_height(family)
        self.assertTrue(fits_the_cell(family, largest))
        self.assertFalse(fits_the_cell(family, largest + 1))
        # At 34 px: A 26, D 9, the baseline 27 px down, the ink from 1.5 to 35.5 px.
        self.assertEqual(largest, 34)


class SourceNoteTest(unittest.TestCase):
    def test_code_ranges(self):
        self.assertEqual(_ranges([33, 34, 35, 37, 40, 41]), "33-35, 37, 40-41")
        self.assertEqual(_ranges([]), "")


if __name__ == "__main__":
    unittest.main()
