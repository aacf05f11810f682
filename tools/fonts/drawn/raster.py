"""A small winding-number rasteriser for checking and previewing signs.

It samples contours on a grid (several samples per pixel) and returns the
winding number at every sample, so that callers can tell filled area from
overlaps (|winding| > 1) and from wrongly turned contours (winding +1 where
TrueType wants -1).
"""

import numpy as np

# Straight pieces per curve when flattening.
_CURVE_STEPS = 8


def _quadratic_polygon(contour):
    """Flatten a TrueType contour (implied on-curve points allowed)."""
    pts = list(contour)
    n = len(pts)
    start = next(i for i, p in enumerate(pts) if p[2])
    pts = pts[start:] + pts[:start]
    out = []
    for i in range(n):
        p = pts[i]
        if p[2]:
            out.append(p[:2])
            continue
        before = pts[i - 1]
        after = pts[(i + 1) % n]
        p0 = before[:2] if before[2] else ((before[0] + p[0]) / 2, (before[1] + p[1]) / 2)
        p2 = after[:2] if after[2] else ((after[0] + p[0]) / 2, (after[1] + p[1]) / 2)
        if not before[2]:
            out.append(p0)
        for k in range(1, _CURVE_STEPS):
            t = k / _CURVE_STEPS
            a, b, c = (1 - t) ** 2, 2 * t * (1 - t), t * t
            out.append((a * p0[0] + b * p[0] + c * p2[0], a * p0[1] + b * p[1] + c * p2[1]))
    return np.array(out, dtype=float)


def _cubic_polygon(contour):
    """Flatten a drawing contour (on, off, off, on ... cubic pieces)."""
    pts = list(contour)
    out = []
    i, n = 0, len(pts)
    while i < n:
        p0 = pts[i]
        out.append(p0[:2])
        if pts[(i + 1) % n][2]:
            i += 1
            continue
        c1, c2, p3 = pts[(i + 1) % n], pts[(i + 2) % n], pts[(i + 3) % n]
        for k in range(1, _CURVE_STEPS):
            t = k / _CURVE_STEPS
            a, b, c, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
            out.append((a * p0[0] + b * c1[0] + c * c2[0] + d * p3[0],
                        a * p0[1] + b * c1[1] + c * c2[1] + d * p3[1]))
        i += 3
    return np.array(out, dtype=float)


def polygons(contours, cubic=False):
    flatten = _cubic_polygon if cubic else _quadratic_polygon
    return [flatten(c) for c in contours if len(c) >= 2]


def winding(polys, xs, ys):
    """Winding numbers (len(ys) x len(xs)) of the polygons at the sample points.

    Counter-clockwise polygons (in the polygons' own y-up frame) count +1.
    """
    result = np.zeros((len(ys), len(xs)), dtype=np.int32)
    if not polys:
        return result
    starts = np.concatenate([p for p in polys])
    ends = np.concatenate([np.roll(p, -1, axis=0) for p in polys])
    x0, y0, x1, y1 = starts[:, 0], starts[:, 1], ends[:, 0], ends[:, 1]
    keep = y0 != y1
    x0, y0, x1, y1 = x0[keep], y0[keep], x1[keep], y1[keep]
    yy = ys[:, None]
    upward = (y0 <= yy) & (yy < y1)
    downward = (y1 <= yy) & (yy < y0)
    crossing = upward | downward
    sign = np.where(upward, 1, -1) * crossing
    x_at = x0 + (yy - y0) * (x1 - x0) / (y1 - y0)
    for row in range(len(ys)):
        hit = crossing[row]
        if not hit.any():
            continue
        xc = x_at[row][hit]
        sc = sign[row][hit]
        order = np.argsort(xc)
        xc, sc = xc[order], sc[order]
        # winding at x = sum of signs of crossings to the right of x
        suffix = np.concatenate([np.cumsum(sc[::-1])[::-1], [0]])
        result[row] = suffix[np.searchsorted(xc, xs, side="right")]
    return result


def coverage(contours, scale, width_px, height_px, origin, supersample=4, cubic=False):
    """Grey coverage (0..1), height_px rows (row 0 on top) by width_px columns.

    Design point (x, y) lands at pixel (ox + x * scale, oy - y * scale),
    where origin = (ox, oy) is the pixel position of the design origin.
    """
    ox, oy = origin
    sub = (np.arange(width_px * supersample) + 0.5) / supersample
    xs = (sub - ox) / scale
    sub = (np.arange(height_px * supersample) + 0.5) / supersample
    ys = (oy - sub) / scale
    inked = winding(polygons(contours, cubic), xs, ys) != 0
    blocks = inked.reshape(height_px, supersample, width_px, supersample)
    return blocks.mean(axis=(1, 3))
