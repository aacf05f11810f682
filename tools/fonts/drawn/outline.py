"""Turns a sign's shapes into final TrueType contours.

The shapes (geometry.py: cubic contours, filled areas anticlockwise) are
merged with FontForge's overlap removal, turned the TrueType way round
(outer contours clockwise), converted to quadratic curves with cu2qu, and
rounded to integer design units. Every off-curve point of the result lies
between two on-curve points, every contour starts on an on-curve point,
and contours and start points are put in a fixed order, so the result
depends only on the shapes.
"""

import contextlib
import ctypes
import os
import sys

from fontTools.cu2qu import curve_to_quadratic

# Largest distance (design units) between a cubic curve and its quadratic
# replacement.
QUADRATIC_TOLERANCE = 0.5
# Contours smaller than this (square design units) are slivers left by the
# overlap removal, not drawing.
SLIVER_AREA = 40.0


_LIBC = ctypes.CDLL(None)


@contextlib.contextmanager
def _quiet():
    """FontForge writes notes to the C streams; keep them off the terminal."""
    sys.stdout.flush()
    sys.stderr.flush()
    saved = [os.dup(1), os.dup(2)]
    try:
        with open(os.devnull, "w") as null:
            os.dup2(null.fileno(), 1)
            os.dup2(null.fileno(), 2)
            try:
                yield
            finally:
                _LIBC.fflush(None)
    finally:
        os.dup2(saved[0], 1)
        os.dup2(saved[1], 2)
        for fd in saved:
            os.close(fd)


with _quiet():
    import fontforge  # noqa: E402  (announces its root directory on import)


def _to_fontforge(shapes):
    layer = fontforge.layer()
    layer.is_quadratic = False
    for contour in shapes:
        ff_contour = fontforge.contour()
        ff_contour.is_quadratic = False
        for x, y, on in contour:
            ff_contour += fontforge.point(x, y, on)
        ff_contour.closed = True
        layer += ff_contour
    return layer


class MergeError(ValueError):
    """FontForge's overlap removal left crossing contours behind."""


def merge(shapes):
    """The union of the shapes as FontForge contours, outer ones clockwise."""
    layer = _to_fontforge(shapes)
    with _quiet():
        layer.removeOverlap()
        layer.correctDirection()
        crossing = layer.selfIntersects()
    if crossing:
        raise MergeError("overlap removal left crossing contours (outlines running along or "
                         "touching each other are the usual cause)")
    return layer


def _cubic_segments(ff_contour):
    """(p0, c1, c2, p3) for curves and (p0, p3) for lines, in contour order."""
    points = [(p.x, p.y, p.on_curve) for p in ff_contour]
    first_on = next(i for i, p in enumerate(points) if p[2])
    points = points[first_on:] + points[:first_on]
    segments = []
    i = 0
    n = len(points)
    while i < n:
        start = points[i][:2]
        if points[(i + 1) % n][2]:
            segments.append((start, points[(i + 1) % n][:2]))
            i += 1
        else:
            c1, c2, end = points[(i + 1) % n], points[(i + 2) % n], points[(i + 3) % n]
            segments.append((start, c1[:2], c2[:2], end[:2]))
            i += 3
    return segments


def _near(a, b, eps=1e-6):
    return abs(a[0] - b[0]) < eps and abs(a[1] - b[1]) < eps


def _quadratic_points(segments):
    """Float (x, y, on) points of the contour with quadratic curves."""
    points = []
    for seg in segments:
        points.append((seg[0][0], seg[0][1], True))
        if len(seg) == 2 or (_near(seg[0], seg[1]) and _near(seg[2], seg[3])):
            continue
        spline = curve_to_quadratic(list(seg), QUADRATIC_TOLERANCE)
        offs = spline[1:-1]
        for k, off in enumerate(offs):
            if k > 0:
                prev = offs[k - 1]
                points.append(((prev[0] + off[0]) / 2, (prev[1] + off[1]) / 2, True))
            points.append((off[0], off[1], False))
    return points


def _rounded(points):
    """Integer points; drops repeats and off-curve points that sit on an end."""
    out = []
    for x, y, on in points:
        p = (int(round(x)), int(round(y)), on)
        if out and out[-1][:2] == p[:2]:
            if on and not out[-1][2]:
                out[-1] = p
            continue
        out.append(p)
    while len(out) > 1 and out[-1][:2] == out[0][:2]:
        out.pop()
    changed = True
    while changed and len(out) > 2:
        changed = False
        n = len(out)
        for i, p in enumerate(out):
            if not p[2]:
                before, after = out[i - 1], out[(i + 1) % n]
                if not before[2] or not after[2] or p[:2] in (before[:2], after[:2]):
                    del out[i]
                    changed = True
                    break
    return out


def polygon_area(points):
    """Shoelace area through all points (off-curve ones included)."""
    area = 0
    n = len(points)
    for i in range(n):
        x0, y0 = points[i][0], points[i][1]
        x1, y1 = points[(i + 1) % n][0], points[(i + 1) % n][1]
        area += x0 * y1 - x1 * y0
    return area / 2


def _canonical_start(points):
    """Rotate the contour to start at its lowest, then leftmost, on-curve point."""
    best = min((i for i, p in enumerate(points) if p[2]), key=lambda i: (points[i][1], points[i][0]))
    return points[best:] + points[:best]


def _bounds(points):
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return (min(xs), min(ys), max(xs), max(ys))


def truetype_contours(shapes):
    """Merged, quadratic, integer contours (tuple of tuples of (x, y, on))."""
    layer = merge(shapes)
    result = []
    for ff_contour in layer:
        if len(ff_contour) < 3 or not any(p.on_curve for p in ff_contour):
            continue
        points = _rounded(_quadratic_points(_cubic_segments(ff_contour)))
        if len(points) < 3 or abs(polygon_area(points)) < SLIVER_AREA:
            continue
        result.append(tuple(_canonical_start(points)))
    result.sort(key=lambda c: (_bounds(c), c))
    return tuple(result)
