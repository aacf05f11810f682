"""Rasterises drawn signs at the size their row shows them."""

import numpy as np

from . import raster
from .cell import CELL_HEIGHT_PX, embolden_px

SUPERSAMPLE = 4


def _dilate(mask, radius):
    """Grow a boolean mask by `radius` samples in every direction (a disc)."""
    if radius <= 0:
        return mask
    r = int(np.ceil(radius))
    padded = np.pad(mask, r)
    out = np.zeros_like(mask)
    h, w = mask.shape
    for dy in range(-r, r + 1):
        for dx in range(-r, r + 1):
            if dx * dx + dy * dy <= radius * radius:
                out |= padded[r + dy:r + dy + h, r + dx:r + dx + w]
    return out


def sign_coverage(contours, band, width_px, x_px=0.0, bold=False, scale_up=1,
                  height_px=CELL_HEIGHT_PX):
    """Coverage (rows x columns, 0..1) of one sign placed at x_px in a cell.

    scale_up enlarges everything (cell, band and sign) for close inspection.
    Bold rows are grown as synthetic emboldening grows them.
    """
    scale = band.scale * scale_up
    origin = (x_px * scale_up, (band.top_px + band.height_px) * scale_up)
    rows, cols = height_px * scale_up, width_px * scale_up
    step = 1.0 / SUPERSAMPLE
    sub_x = (np.arange(cols * SUPERSAMPLE) + 0.5) * step
    sub_y = (np.arange(rows * SUPERSAMPLE) + 0.5) * step
    xs = (sub_x - origin[0]) / scale
    ys = (origin[1] - sub_y) / scale
    mask = raster.winding(raster.polygons(contours), xs, ys) != 0
    if bold:
        mask = _dilate(mask, embolden_px(band.pixel_height) * scale_up * SUPERSAMPLE / 2)
    return mask.reshape(rows, SUPERSAMPLE, cols, SUPERSAMPLE).mean(axis=(1, 3))


def distance(a, b):
    """Ink difference of two coverage images (pixels' worth), left-aligned."""
    width = max(a.shape[1], b.shape[1])
    pad_a = np.pad(a, ((0, 0), (0, width - a.shape[1])))
    pad_b = np.pad(b, ((0, 0), (0, width - b.shape[1])))
    return float(np.abs(pad_a - pad_b).sum())


def row_images(row, signs, band):
    """Real-size coverage of every sign of a row, by code."""
    images = {}
    for code, sign in sorted(signs.items()):
        width = max(1, band.width_px(sign.advance + row.overhang) + 2)
        images[code] = sign_coverage(sign.contours, band, width, x_px=1, bold=row.bold)
    return images


def closest_pairs(images, limit):
    """Pairs of codes whose images differ by less than `limit`, closest first."""
    codes = sorted(images)
    found = []
    for i, a in enumerate(codes):
        for b in codes[i + 1:]:
            d = distance(images[a], images[b])
            if d < limit:
                found.append((d, a, b))
    return sorted(found)


def nearest_pair(images):
    codes = sorted(images)
    best = None
    for i, a in enumerate(codes):
        for b in codes[i + 1:]:
            d = distance(images[a], images[b])
            if best is None or d < best[0]:
                best = (d, a, b)
    return best
