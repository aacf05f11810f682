"""Drawing at a finer grid and reducing it to a small grey-level picture.

Every picture is drawn as black ink on a white ground on a canvas SCALE
times finer than the picture, then each SCALE x SCALE cell is averaged (box
filter) to one grey value, which is finally rounded to one of a fixed ladder
of grey levels. A picture for screens of twice the pixel density (zoom 2) is
drawn from the same coordinates, in pixels of the plain picture, on a grid
twice as fine, and comes out twice as wide and high. All steps are integer or fixed-order float arithmetic, so
the same input gives the same pixels on every run.
"""

import math

from PIL import Image, ImageChops, ImageDraw, ImageFilter
from fontTools.pens.basePen import BasePen

SCALE = 8


class Canvas:
    """A fine binary ink mask for a picture of width x height pixels, to be
    reduced to width * zoom x height * zoom pixels. Coordinates are always
    in pixels of the plain (zoom 1) picture."""

    def __init__(self, width, height, zoom=1):
        self.width = width
        self.height = height
        self.zoom = zoom
        self.scale = SCALE * zoom   # fine pixels per plain picture pixel
        self.mask = Image.new("1", (width * self.scale, height * self.scale), 0)
        self.draw = ImageDraw.Draw(self.mask)

    def fine(self, x, y):
        """Picture coordinates (pixel edges at integers) to fine-grid ones."""
        return (x * self.scale, y * self.scale)

    def fine_centre(self, x, y):
        """Like fine(), but for polygon vertices: the fill includes the pixels
        on its edge, so the edge is put between two fine pixels."""
        return (x * self.scale - 0.5, y * self.scale - 0.5)

    def disc(self, x, y, radius):
        fx, fy = self.fine(x, y)
        fr = radius * self.scale
        self.draw.ellipse((fx - fr, fy - fr, fx + fr - 1, fy + fr - 1), fill=1)

    def rectangle(self, left, top, right, bottom):
        fl, ft = self.fine(left, top)
        fr, fb = self.fine(right, bottom)
        self.draw.rectangle((fl, ft, fr - 1, fb - 1), fill=1)

    def xor_polygons(self, polygons):
        """Fills contours by the even-odd rule (holes stay empty)."""
        for points in polygons:
            layer = Image.new("1", self.mask.size, 0)
            ImageDraw.Draw(layer).polygon([self.fine_centre(x, y) for x, y in points], fill=1)
            self.mask = ImageChops.logical_xor(self.mask, layer)
        self.draw = ImageDraw.Draw(self.mask)

    def embolden(self, fine_pixels):
        """Grows the ink by fine_pixels (of the plain picture's fine grid, so
        the same width at every zoom) on every side (a square dilation)."""
        grown = self.mask.convert("L").filter(ImageFilter.MaxFilter(2 * fine_pixels * self.zoom + 1))
        self.mask = grown.point(lambda value: 1 if value else 0, mode="1")
        self.draw = ImageDraw.Draw(self.mask)

    def coverage(self):
        """Grey picture: 255 white ground, 0 full ink (box average of the cells)."""
        grey = self.mask.convert("L").point(lambda value: 255 - value)
        return grey.reduce(SCALE)


def grey_ladder(levels):
    """levels evenly spaced greys from white (index 0) to black."""
    return [round(255 * (levels - 1 - step) / (levels - 1)) for step in range(levels)]


def quantise(grey_image, levels):
    """Rounds a grey picture to a ladder of levels greys.

    Returns (palette, indexes): palette is a list of (r, g, b) with white at
    index 0 and black last; indexes holds one entry per pixel, rows top to
    bottom.
    """
    ladder = grey_ladder(levels)
    steps = levels - 1
    indexes = []
    for value in grey_image.getdata():
        ink = 255 - value
        indexes.append((ink * steps + 127) // 255)
    palette = [(grey, grey, grey) for grey in ladder]
    return palette, indexes


class _PolygonPen(BasePen):
    """Flattens glyph outlines into polygons (one per contour)."""

    def __init__(self, glyph_set, transform, curve_steps=12):
        super().__init__(glyph_set)
        self.transform = transform
        self.curve_steps = curve_steps
        self.contours = []
        self.current = []

    def _moveTo(self, point):
        self.current = [self.transform(point)]

    def _lineTo(self, point):
        self.current.append(self.transform(point))

    def _curveToOne(self, c1, c2, end):
        start = self._getCurrentPoint()
        for step in range(1, self.curve_steps + 1):
            t = step / self.curve_steps
            u = 1 - t
            x = u ** 3 * start[0] + 3 * u * u * t * c1[0] + 3 * u * t * t * c2[0] + t ** 3 * end[0]
            y = u ** 3 * start[1] + 3 * u * u * t * c1[1] + 3 * u * t * t * c2[1] + t ** 3 * end[1]
            self.current.append(self.transform((x, y)))

    def _qCurveToOne(self, control, end):
        start = self._getCurrentPoint()
        for step in range(1, self.curve_steps + 1):
            t = step / self.curve_steps
            u = 1 - t
            x = u * u * start[0] + 2 * u * t * control[0] + t * t * end[0]
            y = u * u * start[1] + 2 * u * t * control[1] + t * t * end[1]
            self.current.append(self.transform((x, y)))

    def _closePath(self):
        if len(self.current) >= 3:
            self.contours.append(self.current)
        self.current = []

    _endPath = _closePath


def glyph_contours(font, code_point, transform):
    """The contours of a glyph as polygons, each point passed through transform
    (font units, y up) -> picture coordinates."""
    glyph_set = font.getGlyphSet()
    name = font.getBestCmap()[code_point]
    pen = _PolygonPen(glyph_set, transform)
    glyph_set[name].draw(pen)
    return pen.contours


def contour_bounds(contours):
    xs = [x for contour in contours for x, _ in contour]
    ys = [y for contour in contours for _, y in contour]
    return min(xs), min(ys), max(xs), max(ys)


def fit_transform(bounds, box, keep_aspect=True, max_stretch=1.0):
    """A transform mapping font-unit bounds (y up) into box (left, top, right,
    bottom in picture coordinates), centred. With keep_aspect the scale is
    uniform, except that the narrower direction may be stretched up to
    max_stretch times to fill the box better."""
    x0, y0, x1, y1 = bounds
    left, top, right, bottom = box
    sx = (right - left) / (x1 - x0)
    sy = (bottom - top) / (y1 - y0)
    if keep_aspect:
        uniform = min(sx, sy)
        sx = min(sx, uniform * max_stretch)
        sy = min(sy, uniform * max_stretch)
    ox = left + ((right - left) - (x1 - x0) * sx) / 2
    oy = top + ((bottom - top) - (y1 - y0) * sy) / 2

    def transform(point):
        return (ox + (point[0] - x0) * sx, oy + (y1 - point[1]) * sy)

    return transform


class Stroke:
    """A brush stroke through points (x, y, width) in picture coordinates.

    The centre line is a Catmull-Rom spline through the points; the width is
    interpolated linearly between them. The stroke is drawn by stamping discs
    along the line on the fine grid.
    """

    def __init__(self, points):
        self.points = [tuple(float(value) for value in point) for point in points]

    def transformed(self, mapping, width_scale=1.0):
        return Stroke([(*mapping(x, y), width * width_scale) for x, y, width in self.points])

    def samples(self, per_pixel=8):
        points = self.points
        if len(points) == 1:
            return list(points)
        out = []
        padded = [points[0]] + points + [points[-1]]
        for index in range(1, len(padded) - 2):
            p0, p1, p2, p3 = padded[index - 1:index + 3]
            length = math.hypot(p2[0] - p1[0], p2[1] - p1[1])
            count = max(2, int(math.ceil(length * per_pixel)))
            for step in range(count):
                t = step / count
                out.append(_catmull_rom(p0, p1, p2, p3, t))
        out.append(points[-1])
        return out

    def paint(self, canvas):
        # one disc per fine pixel along the line, whatever the zoom
        for x, y, width in self.samples(per_pixel=canvas.scale):
            canvas.disc(x, y, width / 2)


def _catmull_rom(p0, p1, p2, p3, t):
    t2 = t * t
    t3 = t2 * t

    def axis(a, b, c, d):
        return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3)

    x = axis(p0[0], p1[0], p2[0], p3[0])
    y = axis(p0[1], p1[1], p2[1], p3[1])
    width = p1[2] + (p2[2] - p1[2]) * t
    return (x, y, width)
