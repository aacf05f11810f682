"""Self-check of the drawn signs; exits non-zero when a sign is faulty.

usage: check.py

It checks that every expected code is drawn (and nothing else), that every
outline is non-empty, made of integer points, inside its design box (plus
the row's declared overhang), starts on an on-curve point and has no two
off-curve points in a row; that the merged outline covers exactly what the
design's shapes cover, with outer contours clockwise and no overlaps left;
that no two signs of a row look alike at the row's size; and that drawing
twice, in another process too, gives the same points.
"""

import hashlib
import os
import subprocess
import sys

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from drawn import DESIGN_HEIGHT, DrawnSign, drawn_signs  # noqa: E402
from drawn import raster  # noqa: E402
from drawn.cell import band  # noqa: E402
from drawn.render import closest_pairs, row_images  # noqa: E402
from drawn.rows import ROWS  # noqa: E402

# Design units a point may stray outside its box (rounding of curve points).
BOUNDS_TOLERANCE = 2
# Two signs of a row must differ by at least this many pixels' worth of ink
# at the row's size.
MIN_DIFFERENCE = 4.0
# Sample spacing (design units) when comparing the merged outline with the
# design's shapes; samples next to the other's edge do not count (rounding
# and curve conversion move edges by a unit or two).
SAMPLE_STEP = 6.0
MISMATCH_LIMIT = 3


def _span(first, last):
    return set(range(first, last + 1))


EXPECTED_CODES = {
    "Glyfa08": _span(229, 238),
    "Glyfa08b": _span(195, 202),
    "Glyfa08c": _span(85, 106) | _span(108, 126) | _span(131, 140) | _span(160, 195) | _span(197, 254),
    "Glyfa08d": _span(48, 59) | _span(111, 120) | _span(171, 222) | _span(233, 252),
}


def check_codes(families):
    problems = []
    for family in sorted(set(EXPECTED_CODES) | set(families)):
        have = set(families.get(family, {}))
        want = EXPECTED_CODES.get(family, set())
        if want - have:
            problems.append(f"{family}: codes not drawn: {sorted(want - have)}")
        if have - want:
            problems.append(f"{family}: codes drawn that no row uses: {sorted(have - want)}")
    return problems


def check_points(name, sign, overhang=0):
    """Structure, integrality and bounds of one sign's outline."""
    problems = []
    if not isinstance(sign, DrawnSign):
        return [f"{name}: not a DrawnSign"]
    if type(sign.advance) is not int or sign.advance <= 0:
        problems.append(f"{name}: advance {sign.advance!r} is not a positive integer")
    if not sign.contours:
        return problems + [f"{name}: empty outline"]
    for index, contour in enumerate(sign.contours):
        where = f"{name} contour {index}"
        if len(contour) < 3:
            problems.append(f"{where}: fewer than three points")
            continue
        if not contour[0][2]:
            problems.append(f"{where}: starts on an off-curve point")
        for k, (x, y, on) in enumerate(contour):
            if type(x) is not int or type(y) is not int:
                problems.append(f"{where}: point {k} ({x!r}, {y!r}) is not integer")
                break
            if not on and not contour[k - 1][2]:
                problems.append(f"{where}: two off-curve points in a row at point {k}")
            if not (-BOUNDS_TOLERANCE <= x <= sign.advance + overhang + BOUNDS_TOLERANCE
                    and -BOUNDS_TOLERANCE <= y <= DESIGN_HEIGHT + BOUNDS_TOLERANCE):
                problems.append(f"{where}: point ({x}, {y}) outside the design box")
                break
    return problems


def _grid(sign, overhang):
    width = sign.advance + overhang
    xs = np.arange(-20, width + 20, SAMPLE_STEP) + SAMPLE_STEP / 3
    ys = np.arange(-20, DESIGN_HEIGHT + 20, SAMPLE_STEP) + SAMPLE_STEP / 7
    return xs, ys


def check_winding(name, sign, overhang=0):
    """Inked samples must have winding -1: outer contours clockwise, no overlaps."""
    xs, ys = _grid(sign, overhang)
    w = raster.winding(raster.polygons(sign.contours), xs, ys)
    bad = np.count_nonzero((w != 0) & (w != -1))
    if bad:
        return [f"{name}: {bad} samples with winding other than 0 or -1 "
                f"(overlapping or wrongly turned contours)"]
    return []


def _grow(mask):
    """The mask grown by one sample in every direction."""
    padded = np.pad(mask, 1)
    out = np.zeros_like(mask)
    for dy in (0, 1, 2):
        for dx in (0, 1, 2):
            out |= padded[dy:dy + mask.shape[0], dx:dx + mask.shape[1]]
    return out


def check_fidelity(name, sign, sketch, overhang=0):
    """The merged outline must cover what the design's shapes cover."""
    xs, ys = _grid(sign, overhang)
    drawn = raster.winding(raster.polygons(sketch.shapes, cubic=True), xs, ys) != 0
    merged = raster.winding(raster.polygons(sign.contours), xs, ys) != 0
    missing = np.count_nonzero(drawn & ~_grow(merged))
    extra = np.count_nonzero(merged & ~_grow(drawn))
    if missing > MISMATCH_LIMIT or extra > MISMATCH_LIMIT:
        return [f"{name}: merged outline lacks {missing} and adds {extra} samples of the design"]
    return []


def check_distinct(row, signs):
    images = row_images(row, signs, band(row.pixel_height, row.bold))
    return [f"{row.caption}: codes {a} and {b} look alike (differ by {d:.1f} px of ink)"
            for d, a, b in closest_pairs(images, MIN_DIFFERENCE)]


def digest(families):
    h = hashlib.sha256()
    for family in sorted(families):
        for code, sign in sorted(families[family].items()):
            h.update(repr((family, code, sign.advance, sign.contours)).encode())
    return h.hexdigest()


def check_reproducible(families):
    """Drawing again, here and in a process with other hash seeds, changes nothing."""
    from drawn import _all_signs
    again = {family: dict(signs) for family, signs in _all_signs.__wrapped__()}
    problems = []
    if digest(again) != digest(families):
        problems.append("drawing twice in one process gave different outlines")
    env = dict(os.environ, PYTHONHASHSEED="12345")
    here = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    code = ("import sys; sys.path.insert(0, sys.argv[1]); from drawn import drawn_signs; "
            "from drawn.check import digest; print(digest(drawn_signs()))")
    out = subprocess.run([sys.executable, "-c", code, here], env=env, capture_output=True, text=True)
    if out.returncode != 0 or out.stdout.strip() != digest(families):
        problems.append("drawing in another process gave different outlines")
    return problems


def run_checks():
    families = drawn_signs()
    problems = check_codes(families)
    for row in ROWS:
        signs = families.get(row.family, {})
        sketches = row.draw()
        row_signs = {code: signs[code] for code in sketches if code in signs}
        for code, sign in sorted(row_signs.items()):
            name = f"{row.family} {code} ({row.caption})"
            found = check_points(name, sign, row.overhang)
            if not found:
                found = check_winding(name, sign, row.overhang)
                found += check_fidelity(name, sign, sketches[code], row.overhang)
            problems += found
        problems += check_distinct(row, row_signs)
    problems += check_reproducible(families)
    return problems, sum(len(s) for s in families.values())


def main():
    problems, count = run_checks()
    for problem in problems:
        print(problem)
    print(f"{count} drawn signs checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
