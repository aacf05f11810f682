"""Tests of the drawing vocabulary, the outline step, the checks, and that
the systematic designs can be read back.

Run: /usr/bin/python3 -m unittest discover -s tools/fonts/drawn -p 'test_*.py'
"""

import math
import os
import sys
import unittest

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from drawn import DrawnSign, drawn_signs  # noqa: E402
from drawn import check, geometry as g, raster  # noqa: E402
from drawn.outline import polygon_area, truetype_contours  # noqa: E402


def area(contours):
    """Filled area of TrueType contours (clockwise outer counts positive)."""
    xs = np.arange(-600, 1600, 4.0) + 1.3
    ys = np.arange(-600, 1600, 4.0) + 0.7
    return np.count_nonzero(raster.winding(raster.polygons(contours), xs, ys)) * 16.0


def ink_at(sign, points):
    """Whether each design point lies inside the sign's outline."""
    polys = raster.polygons(sign.contours)
    return [bool(raster.winding(polys, np.array([x]), np.array([y]))[0, 0]) for x, y in points]


def run_lengths(sign, y, x0, x1, step=2.0):
    """Lengths (design units) of the inked stretches along the line at y."""
    xs = np.arange(x0, x1, step) + 0.5
    row = raster.winding(raster.polygons(sign.contours), xs, np.array([float(y)]))[0] != 0
    edges = np.flatnonzero(np.diff(np.concatenate([[0], row.astype(int), [0]])))
    return [(end - start) * step for start, end in zip(edges[::2], edges[1::2])]


def runs(sign, y, x0=0, x1=None, step=4.0):
    """Number of separate inked stretches along the horizontal line at y."""
    x1 = sign.advance if x1 is None else x1
    xs = np.arange(x0, x1, step) + 0.5
    row = raster.winding(raster.polygons(sign.contours), xs, np.array([float(y)]))[0] != 0
    return int(np.count_nonzero(row[1:] & ~row[:-1]) + row[0])


class GeometryTest(unittest.TestCase):
    def test_stroke_areas(self):
        cases = [
            ("butt line", g.line((100, 100), (500, 100), 60, cap="butt"), 400 * 60),
            ("square caps", g.line((100, 100), (500, 100), 60, cap="square"), 460 * 60),
            ("round caps", g.line((100, 100), (100, 500), 60), 400 * 60 + math.pi * 30 ** 2),
            ("ring", g.ring(500, 500, 300, 80), math.pi * (340 ** 2 - 260 ** 2)),
            ("box", g.box(100, 100, 500, 400, 40), 440 * 340 - 360 * 260),
            ("half arc, butt", g.arc(500, 500, 300, 0, 180, 80, cap="butt"),
             math.pi * (340 ** 2 - 260 ** 2) / 2),
        ]
        for name, shapes, expected in cases:
            with self.subTest(name):
                self.assertAlmostEqual(area(truetype_contours(shapes)) / expected, 1.0, delta=0.02)

    def test_mitred_corner_is_square(self):
        shapes = g.polyline([(100, 100), (500, 100), (500, 500)], 80, cap="butt", join="miter")
        contours = truetype_contours(shapes)
        self.assertEqual(len(contours), 1)
        # The outer corner reaches (540, 60): the mitre fills it completely.
        self.assertIn((540, 60), [p[:2] for p in contours[0]])

    def test_filled_shapes_run_anticlockwise_even_when_mirrored(self):
        shapes = g.polygon([(0, 0), (0, 100), (100, 0)]) + g.disc(50, 50, 20)
        for name, moved in (("as drawn", shapes), ("mirrored", g.mirror_x(shapes, 300)),
                            ("rotated", g.rotate(shapes, 90, 0, 0))):
            with self.subTest(name):
                for contour in moved:
                    self.assertGreater(g.signed_area(contour), 0)

    def test_arc_through_three_points(self):
        for p0, p1, p2 in [((0, 100), (40, 50), (0, 0)), ((0, 0), (50, 40), (100, 0)),
                           ((100, 0), (50, -40), (0, 0))]:
            with self.subTest(points=(p0, p1, p2)):
                (cx, cy), r, a0, a1 = g.arc_through(p0, p1, p2)
                for p in (p0, p1, p2):
                    self.assertAlmostEqual(math.hypot(p[0] - cx, p[1] - cy), r, places=6)
                mid = math.degrees(math.atan2(p1[1] - cy, p1[0] - cx))
                self.assertTrue(any(a0 <= mid + k * 360 <= a1 for k in (-1, 0, 1)))

    def test_collinear_points_have_no_arc(self):
        with self.assertRaises(ValueError):
            g.arc_through((0, 0), (1, 1), (2, 2))


class OutlineTest(unittest.TestCase):
    def test_overlapping_squares_merge_into_one_clockwise_contour(self):
        contours = truetype_contours(g.rect(0, 0, 100, 100) + g.rect(50, 50, 150, 150))
        self.assertEqual(len(contours), 1)
        self.assertLess(polygon_area(contours[0]), 0)
        self.assertEqual(abs(polygon_area(contours[0])), 17500)

    def test_ring_keeps_its_hole_turned_the_other_way(self):
        outer, inner = sorted(truetype_contours(g.ring(0, 0, 200, 60)),
                              key=lambda c: polygon_area(c))
        self.assertLess(polygon_area(outer), 0)
        self.assertGreater(polygon_area(inner), 0)

    def test_points_are_integers_and_off_curve_points_stand_alone(self):
        contours = truetype_contours(g.arc(300.3, 200.7, 150.2, 10, 250, 33.3) + g.disc(10.5, 10.5, 40))
        for contour in contours:
            self.assertTrue(contour[0][2])
            for k, (x, y, on) in enumerate(contour):
                self.assertIs(type(x), int)
                self.assertIs(type(y), int)
                if not on:
                    self.assertTrue(contour[k - 1][2] and contour[(k + 1) % len(contour)][2])

    def test_same_shapes_give_same_points_in_any_order(self):
        shapes = g.line((0, 0), (300, 400), 50) + g.ring(200, 200, 100, 40) + g.rect(0, 0, 90, 90)
        reordered = list(reversed(shapes))
        self.assertEqual(truetype_contours(shapes), truetype_contours(reordered))


class RasterTest(unittest.TestCase):
    def test_winding_of_clockwise_and_overlapping_squares(self):
        square = [(0, 0, True), (0, 100, True), (100, 100, True), (100, 0, True)]  # clockwise
        shifted = [(x + 50, y, on) for x, y, on in square]
        xs, ys = np.array([25.0, 75.0, 125.0, 175.0]), np.array([50.0])
        w = raster.winding(raster.polygons([square, shifted]), xs, ys)
        self.assertEqual(w.tolist(), [[-1, -2, -1, 0]])


def _sign(contours, advance=500):
    return DrawnSign(tuple(tuple(c) for c in contours), advance)


class CheckTest(unittest.TestCase):
    good = truetype_contours(g.rect(50, 50, 300, 900))

    def test_points_check_finds_faults(self):
        cases = [
            ("empty", _sign(()), "empty outline"),
            ("float", _sign([[(50.5, 50, True), (50, 900, True), (300, 900, True)]]), "not integer"),
            ("outside", _sign([[(50, 50, True), (50, 1200, True), (300, 900, True)]]), "outside"),
            ("too wide", _sign(self.good, advance=200), "outside"),
            ("off-curve start", _sign([[(50, 50, False), (50, 900, True), (300, 900, True)]]),
             "starts on an off-curve"),
            ("off-curve pair", _sign([[(50, 50, True), (50, 900, False), (300, 900, False)]]),
             "two off-curve"),
        ]
        for name, sign, expected in cases:
            with self.subTest(name):
                problems = check.check_points(name, sign)
                self.assertTrue(any(expected in p for p in problems), problems)
        self.assertEqual(check.check_points("good", _sign(self.good)), [])

    def test_overhang_allows_ink_past_the_advance(self):
        sign = _sign(self.good, advance=200)
        self.assertEqual(check.check_points("shared side", sign, overhang=100), [])

    def test_winding_check_finds_overlaps_and_wrong_turns(self):
        clockwise = list(self.good[0])
        anticlockwise = [clockwise[0]] + clockwise[:0:-1]
        shifted = [(x + 100, y, on) for x, y, on in clockwise]
        self.assertEqual(check.check_winding("good", _sign([clockwise])), [])
        self.assertTrue(check.check_winding("turned", _sign([anticlockwise])))
        self.assertTrue(check.check_winding("overlap", _sign([clockwise, shifted])))

    def test_fidelity_check_finds_a_lost_part(self):
        sketch_shapes = g.rect(50, 50, 300, 900) + g.disc(400, 500, 60)
        sketch = type("S", (), {"shapes": sketch_shapes})
        whole = _sign(truetype_contours(sketch_shapes))
        part = _sign(self.good)
        self.assertEqual(check.check_fidelity("whole", whole, sketch), [])
        self.assertTrue(check.check_fidelity("part", part, sketch))

    def test_codes_check_finds_missing_and_extra_codes(self):
        families = {"Glyfa08": {c: None for c in range(229, 239)}}
        problems = check.check_codes(families)
        self.assertTrue(any("Glyfa08b: codes not drawn" in p for p in problems))
        families["Glyfa08"][100] = None
        self.assertTrue(any("no row uses: [100]" in p for p in check.check_codes(families)))


SIGNS = drawn_signs()


class ReadBackTest(unittest.TestCase):
    """The systematic designs say their value to a reader who knows the rule."""

    def test_four_line_strokes_are_the_bits(self):
        for value in range(16):
            sign = SIGNS["Glyfa08d"][171 + value]
            pitch = (1000 - 110) / 3
            centre = sign.advance / 2
            for row, weight in enumerate((8, 4, 2, 1)):
                y = 1000 - 55 - row * pitch
                long_stroke = ink_at(sign, [(centre - 200, y)])[0]
                with self.subTest(value=value, bit=weight):
                    self.assertEqual(long_stroke, bool(value & weight))
                    self.assertTrue(ink_at(sign, [(centre, y)])[0])  # every 0 stays visible

    def test_ecclemony_spokes_are_the_bits(self):
        for value in range(16):
            sign = SIGNS["Glyfa08d"][187 + value]
            cx = sign.advance / 2
            spokes = [(cx, 750), (cx + 250, 500), (cx, 250), (cx - 250, 500)]  # 12, 3, 6, 9 o'clock
            with self.subTest(value=value):
                self.assertEqual(ink_at(sign, spokes), [bool(value & w) for w in (8, 4, 2, 1)])

    def test_diamond_corners_are_the_bits(self):
        for value in range(16):
            sign = SIGNS["Glyfa08d"][207 + value]
            cx = sign.advance / 2
            corners = [(cx, 830), (cx + 330, 500), (cx, 170), (cx - 330, 500)]  # top, right, bottom, left
            with self.subTest(value=value):
                self.assertEqual(ink_at(sign, corners), [bool(value & w) for w in (8, 4, 2, 1)])

    def test_quadnary_counts_inner_strokes(self):
        for value in range(4):
            with self.subTest(value=value):
                self.assertEqual(runs(SIGNS["Glyfa08d"][203 + value], 500), value + 2)

    def test_pekrif_hand_points_at_the_hour(self):
        for value in range(12):
            sign = SIGNS["Glyfa08d"][48 + value]
            cx = sign.advance / 2
            hours = [g.point_on_arc(cx, 500, 260, 90 - 30 * h) for h in range(12)]
            with self.subTest(value=value):
                self.assertEqual(ink_at(sign, hours), [h == value for h in range(12)])

    def test_spacekees_counts_rays(self):
        for value in range(10):
            sign = SIGNS["Glyfa08"][229 + value]
            cx = sign.advance / 2
            places = [g.point_on_arc(cx, 500, 350, 90 - 40 * k) for k in range(9)]
            with self.subTest(value=value):
                self.assertEqual(sum(ink_at(sign, places)), value)

    def test_stargate_counts_stars_in_reading_order(self):
        for value in range(10):
            sign = SIGNS["Glyfa08c"][213 + value]
            cx = sign.advance / 2
            grid = [(cx + (c - 1) * 330, 500 + (1 - r) * 330) for r in range(3) for c in range(3)]
            with self.subTest(value=value):
                self.assertEqual(ink_at(sign, grid), [k < value for k in range(9)])

    def test_dancing_men_legs_apart_from_five(self):
        for value in range(10):
            with self.subTest(value=value):
                self.assertEqual(runs(SIGNS["Glyfa08d"][111 + value], 150), 2 if value >= 5 else 1)

    def test_fingers_raised(self):
        # Above the palm only raised fingers are inked; 6 to 9 add a second hand.
        expected = {0: 0, 1: 1, 2: 2, 3: 3, 4: 4, 5: 4, 6: 5, 7: 6, 8: 7, 9: 8}
        for value, fingers in expected.items():
            with self.subTest(value=value):
                self.assertEqual(runs(SIGNS["Glyfa08c"][245 + value], 700), fingers)

    def test_maya_bars_and_dots(self):
        for value in range(1, 20):
            code = 118 + value if value < 9 else 151 + value
            sign = SIGNS["Glyfa08c"][code]
            inside = (140, sign.advance - 140)
            bar_rows, dot_counts = [], []
            for y in range(100, 900, 8):
                lengths = run_lengths(sign, y, *inside)
                bar_rows.append(any(n >= 400 for n in lengths))
                if lengths and all(n < 200 for n in lengths):
                    dot_counts.append(len(lengths))
            bars = sum(1 for a, b in zip([False] + bar_rows, bar_rows) if b and not a)
            with self.subTest(value=value):
                self.assertEqual(bars, value // 5)
                self.assertEqual(max(dot_counts, default=0), value % 5)


class DniTest(unittest.TestCase):
    """The fives are the unit marks turned a quarter; other digits overlay them."""

    @staticmethod
    def interior(code):
        from drawn import dni
        sign = SIGNS["Glyfa08c"][code]
        lo = dni.LEFT + 60
        hi = dni.LEFT + dni.SIDE - 60
        xs = np.linspace(lo, hi, 60)
        ys = np.linspace(dni.BOTTOM + 60, dni.BOTTOM + dni.SIDE - 60, 60)[::-1]
        return raster.winding(raster.polygons(sign.contours), xs, ys) != 0

    def test_fives_are_turned_units(self):
        for a in range(1, 5):
            upright, turned = self.interior(171 + a), self.interior(171 + 5 * a)
            with self.subTest(a=a):
                self.assertLess(np.count_nonzero(np.rot90(upright) != turned), 40)

    def test_digits_overlay_their_marks(self):
        for a in range(1, 5):
            for b in range(1, 5):
                both = self.interior(171 + 5 * a + b)
                overlay = self.interior(171 + 5 * a) | self.interior(171 + b)
                with self.subTest(value=5 * a + b):
                    self.assertLess(np.count_nonzero(both != overlay), 20)


if __name__ == "__main__":
    unittest.main()


class SemaphoreTest(unittest.TestCase):
    # Flag positions of K and A-I as the viewer sees the signaller (clock hours).
    LETTERS = {0: (12, 7.5), 1: (6, 7.5), 2: (6, 9), 3: (6, 10.5), 4: (6, 12),
               5: (6, 1.5), 6: (6, 3), 7: (6, 4.5), 8: (7.5, 9), 9: (7.5, 10.5)}

    @staticmethod
    def arm_ink(sign, hour):
        """Ink half-way along an arm held at `hour` from either shoulder."""
        from drawn import semaphore as s
        angle = math.radians(90 - 30 * hour)
        found = []
        for shoulder_x in (s.CX - s.SHOULDER_HALF, s.CX + s.SHOULDER_HALF):
            x = shoulder_x + 0.55 * s.ARM * math.cos(angle)
            y = s.SHOULDER_Y + 0.55 * s.ARM * math.sin(angle)
            found += ink_at(sign, [(x, y)])
        return any(found)

    def test_flags_at_the_letters_positions(self):
        for digit, hours in self.LETTERS.items():
            sign = SIGNS["Glyfa08c"][131 + digit]
            for hour in hours:
                with self.subTest(digit=digit, hour=hour):
                    self.assertTrue(self.arm_ink(sign, hour))
            if 6 not in hours:
                with self.subTest(digit=digit, hour="no arm hangs down"):
                    self.assertFalse(self.arm_ink(sign, 6))


class CountingTest(unittest.TestCase):
    """Rows that count with strokes: count them along a line across the sign."""

    CASES = [
        # row, family, first code, digits, line height, expected count of crossings
        ("Narn 1-4", "Glyfa08c", 235, range(1, 5), 500, lambda d: d),
        ("Narn 5-9", "Glyfa08c", 235, range(5, 10), 700, lambda d: d - 5 + 1),
        ("Gorwelion", "Glyfa08c", 223, range(1, 10), 665, lambda d: d % 5),
        ("Zentlardy 1-4", "Glyfa08c", 95, range(1, 5), None, lambda d: d),
        ("Oxidilogi", "Glyfa08c", 207, range(1, 5), 500, lambda d: d),
        ("Tenctonese humps", "Glyfa08c", 85, range(10), 700, lambda d: 2 * (1 + d // 5)),
        ("Tenctonese ticks", "Glyfa08c", 85, range(10), 200, lambda d: d % 5),
    ]

    def test_crossings(self):
        for name, family, first, digits, y, expected in self.CASES:
            for d in digits:
                sign = SIGNS[family][first + d]
                if y is None:
                    # Zentlardy spurs: count along an upright right of the stem.
                    count = self.upright_runs(sign, 230)
                else:
                    count = runs(sign, y)
                with self.subTest(row=name, digit=d):
                    self.assertEqual(count, expected(d))

    def test_ath_seikai_ticks_on_both_sides(self):
        for d in range(1, 10):
            sign = SIGNS["Glyfa08c"][108 + d]
            cx = sign.advance / 2
            right, left = self.upright_runs(sign, cx + 110), self.upright_runs(sign, cx - 110)
            with self.subTest(digit=d):
                self.assertEqual((right, left), ((d + 1) // 2, d // 2))

    def test_futurama_dots_in_cup_and_cap(self):
        for d in (1, 2, 3, 4, 6, 7, 8, 9):
            sign = SIGNS["Glyfa08c"][197 + d]
            cx = sign.advance / 2
            # Count the inked islands: the dots and the arc.
            xs = np.arange(0, sign.advance, 6.0)
            ys = np.arange(0, 1000, 6.0)
            grid = raster.winding(raster.polygons(sign.contours), xs, ys) != 0
            with self.subTest(digit=d):
                self.assertEqual(islands(grid), d % 5 + 1)  # the dots and the arc

    @staticmethod
    def upright_runs(sign, x):
        ys = np.arange(0, 1000, 4.0) + 0.5
        col = raster.winding(raster.polygons(sign.contours), np.array([float(x)]), ys)[:, 0] != 0
        return int(np.count_nonzero(col[1:] & ~col[:-1]) + col[0])


def islands(grid):
    """Number of 4-connected inked regions of a boolean grid."""
    seen = np.zeros_like(grid)
    count = 0
    for start in zip(*np.nonzero(grid)):
        if seen[start]:
            continue
        count += 1
        stack = [start]
        seen[start] = True
        while stack:
            r, c = stack.pop()
            for nr, nc in ((r + 1, c), (r - 1, c), (r, c + 1), (r, c - 1)):
                if 0 <= nr < grid.shape[0] and 0 <= nc < grid.shape[1] and grid[nr, nc] and not seen[nr, nc]:
                    seen[nr, nc] = True
                    stack.append((nr, nc))
    return count


class CellTest(unittest.TestCase):
    def test_bands_of_the_rows(self):
        from drawn.cell import band
        cases = [  # pixel height, bold, band height in pixels, top from the cell's top
            (27, False, 35.0, 1.5), (48, True, 34.0, 2.0), (20, False, 26.8, 5.6), (45, False, 35.0, 1.5)]
        for height, bold, band_px, top_px in cases:
            with self.subTest(height=height):
                b = band(height, bold)
                self.assertAlmostEqual(b.height_px, band_px, delta=0.05)
                self.assertAlmostEqual(b.top_px, top_px, delta=0.05)
