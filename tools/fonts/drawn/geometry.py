"""The drawing vocabulary: strokes, arcs, rings, dots, boxes and polygons.

Every function returns a list of closed contours in design units (y up).
A contour is a list of (x, y, on_curve) points with cubic Bezier curves
(two off-curve points between on-curve ones); it starts on an on-curve
point. Filled areas run counter-clockwise and holes clockwise, so that the
union of any list of shapes is the area of non-zero winding. The outline
step (outline.py) merges them and turns them into TrueType contours.
"""

import math

# Largest angle one cubic Bezier piece of an arc may span.
_MAX_PIECE = math.pi / 2


def _unit(dx, dy):
    length = math.hypot(dx, dy)
    if length == 0:
        raise ValueError("zero-length direction")
    return dx / length, dy / length


def signed_area(points):
    """Shoelace area of the polygon through the points (x, y, ...)."""
    area = 0.0
    for i, p in enumerate(points):
        q = points[(i + 1) % len(points)]
        area += p[0] * q[1] - q[0] * p[1]
    return area / 2


def _oriented(points, counter_clockwise=True):
    """On-curve polygon with the wanted direction."""
    contour = [(float(x), float(y), True) for x, y in points]
    if (signed_area(contour) > 0) != counter_clockwise:
        contour.reverse()
    return contour


def polygon(points):
    """A filled polygon through the given corner points."""
    if len(points) < 3:
        raise ValueError("a polygon needs three points")
    return [_oriented(points)]


def rect(x0, y0, x1, y1):
    """A filled axis-aligned rectangle."""
    return polygon([(x0, y0), (x1, y0), (x1, y1), (x0, y1)])


def _arc_points(cx, cy, rx, ry, a0, a1):
    """Cubic pieces of the elliptic arc from angle a0 to a1 (radians).

    Returns the points after the start point: off, off, on for every piece.
    The direction follows the sign of a1 - a0.
    """
    sweep = a1 - a0
    pieces = max(1, int(math.ceil(abs(sweep) / _MAX_PIECE - 1e-9)))
    step = sweep / pieces
    k = 4.0 / 3.0 * math.tan(step / 4)
    points = []
    for i in range(pieces):
        t0 = a0 + i * step
        t1 = t0 + step
        c0, s0, c1, s1 = math.cos(t0), math.sin(t0), math.cos(t1), math.sin(t1)
        points.append((cx + rx * (c0 - k * s0), cy + ry * (s0 + k * c0), False))
        points.append((cx + rx * (c1 + k * s1), cy + ry * (s1 - k * c1), False))
        points.append((cx + rx * c1, cy + ry * s1, True))
    return points


def _ellipse_contour(cx, cy, rx, ry, counter_clockwise=True):
    sweep = 2 * math.pi if counter_clockwise else -2 * math.pi
    points = _arc_points(cx, cy, rx, ry, 0.0, sweep)
    return [points[-1]] + points[:-1]


def disc(cx, cy, r):
    """A filled circle."""
    return [_ellipse_contour(cx, cy, r, r)]


def ellipse(cx, cy, rx, ry):
    """A filled ellipse."""
    return [_ellipse_contour(cx, cy, rx, ry)]


def ring(cx, cy, r, width):
    """A circle drawn with a pen of the given width (r is the centre line)."""
    return ellipse_ring(cx, cy, r, r, width)


def ellipse_ring(cx, cy, rx, ry, width):
    """An ellipse drawn with a pen of the given width (rx, ry: centre line)."""
    h = width / 2
    if min(rx, ry) <= h:
        return ellipse(cx, cy, rx + h, ry + h)
    return [_ellipse_contour(cx, cy, rx + h, ry + h),
            _ellipse_contour(cx, cy, rx - h, ry - h, counter_clockwise=False)]


def _cap(end, direction, h, cap):
    """Points of the cap at `end` of a stroke leaving along `direction`.

    The cap runs from the right side of the stroke to its left side (seen
    along `direction`), start and end point included, so that the two caps
    of a stroke, one after the other, make a counter-clockwise contour.
    """
    ux, uy = direction
    nx, ny = -uy, ux  # left normal
    x, y = end
    right = (x - nx * h, y - ny * h, True)
    if cap == "round":
        a = math.atan2(-ny, -nx)
        return [right] + _arc_points(x, y, h, h, a, a + math.pi)
    ext = h if cap == "square" else 0.0
    return [(right[0] + ux * ext, right[1] + uy * ext, True),
            (x + nx * h + ux * ext, y + ny * h + uy * ext, True)]


def line(p, q, width, cap="round"):
    """A straight stroke from p to q; cap is "round", "square" or "butt"."""
    ux, uy = _unit(q[0] - p[0], q[1] - p[1])
    h = width / 2
    return [_cap(q, (ux, uy), h, cap) + _cap(p, (-ux, -uy), h, cap)]


def _fix_start(contour):
    """Drop a closing point that repeats the start point."""
    first, last = contour[0], contour[-1]
    if last[2] and abs(first[0] - last[0]) < 1e-9 and abs(first[1] - last[1]) < 1e-9:
        contour = contour[:-1]
    return contour


def _join(vertex, d_in, d_out, h, join):
    """The filled wedge that closes the outer corner between two segments."""
    if join == "round":
        return disc(vertex[0], vertex[1], h)
    cross = d_in[0] * d_out[1] - d_in[1] * d_out[0]
    if abs(cross) < 1e-9:
        return []
    side = -1.0 if cross > 0 else 1.0  # the outer corner is on the right of a left turn
    n_in = (-d_in[1] * side, d_in[0] * side)
    n_out = (-d_out[1] * side, d_out[0] * side)
    x, y = vertex
    bisector = _unit(n_in[0] + n_out[0], n_in[1] + n_out[1])
    cos_half = bisector[0] * n_in[0] + bisector[1] * n_in[1]
    reach = h / max(cos_half, 1e-9)
    points = [(x, y), (x + n_in[0] * h, y + n_in[1] * h)]
    if join == "miter" and reach <= 4 * h:
        points.append((x + bisector[0] * reach, y + bisector[1] * reach))
    points.append((x + n_out[0] * h, y + n_out[1] * h))
    return polygon(points)


def polyline(points, width, cap="round", join="round", closed=False):
    """Straight strokes through the points; join is "round", "miter" or "bevel"."""
    pts = [tuple(p) for p in points]
    if closed:
        pts.append(pts[0])
    h = width / 2
    shapes = []
    last = len(pts) - 2
    for i in range(last + 1):
        p, q = pts[i], pts[i + 1]
        u = _unit(q[0] - p[0], q[1] - p[1])
        cap_p = cap if (i == 0 and not closed) else "butt"
        cap_q = cap if (i == last and not closed) else "butt"
        shapes.append(_cap(q, u, h, cap_q) + _cap(p, (-u[0], -u[1]), h, cap_p))
    corners = range(len(pts) - 1) if closed else range(1, len(pts) - 1)
    for i in corners:
        before = pts[i - 1] if i > 0 else pts[-2]
        d_in = _unit(pts[i][0] - before[0], pts[i][1] - before[1])
        d_out = _unit(pts[i + 1][0] - pts[i][0], pts[i + 1][1] - pts[i][1])
        shapes += _join(pts[i], d_in, d_out, h, join)
    return shapes


def box(x0, y0, x1, y1, width):
    """A rectangle outline; the pen runs along the given centre lines."""
    h = width / 2
    outer = _oriented([(x0 - h, y0 - h), (x1 + h, y0 - h), (x1 + h, y1 + h), (x0 - h, y1 + h)])
    inner = _oriented([(x0 + h, y0 + h), (x1 - h, y0 + h), (x1 - h, y1 - h), (x0 + h, y1 - h)],
                      counter_clockwise=False)
    return [outer, inner]


def arc(cx, cy, r, a0, a1, width, cap="round"):
    """A circular arc stroke from angle a0 to a1 (degrees, anticlockwise)."""
    return elliptic_arc(cx, cy, r, r, a0, a1, width, cap)


def elliptic_arc(cx, cy, rx, ry, a0, a1, width, cap="round"):
    """An elliptic arc stroke from parameter angle a0 to a1 (degrees).

    The pen's outer and inner edges are the ellipses with half-axes grown
    and shrunk by half the pen width (exact for a circle, close for an
    ellipse of moderate eccentricity). Butt ends are cut along the line
    between the two edges; round ends add a dot of the pen's width.
    """
    if a1 < a0:
        a0, a1 = a1, a0
    t0, t1 = math.radians(a0), math.radians(a1)
    h = width / 2
    start = (cx + (rx + h) * math.cos(t0), cy + (ry + h) * math.sin(t0), True)
    inner_end = (cx + (rx - h) * math.cos(t1), cy + (ry - h) * math.sin(t1), True)
    contour = [start] + _arc_points(cx, cy, rx + h, ry + h, t0, t1)
    contour += [inner_end] + _arc_points(cx, cy, rx - h, ry - h, t1, t0)
    shapes = [_fix_start(contour)]
    if cap == "round":
        for t in (t0, t1):
            shapes += disc(cx + rx * math.cos(t), cy + ry * math.sin(t), h)
    return shapes


def transform(shapes, a, b, c, d, e=0.0, f=0.0):
    """Apply x' = a x + b y + e, y' = c x + d y + f to every point.

    A mirroring transform reverses every contour so that filled areas stay
    counter-clockwise.
    """
    out = []
    for contour in shapes:
        moved = [(a * x + b * y + e, c * x + d * y + f, on) for x, y, on in contour]
        if a * d - b * c < 0:
            moved = [moved[0]] + moved[:0:-1]
        out.append(moved)
    return out


def translate(shapes, dx, dy):
    return transform(shapes, 1, 0, 0, 1, dx, dy)


def mirror_x(shapes, axis):
    """Mirror left-right about the vertical line x = axis."""
    return transform(shapes, -1, 0, 0, 1, 2 * axis, 0)


def rotate(shapes, degrees, cx, cy):
    """Rotate anticlockwise about (cx, cy)."""
    t = math.radians(degrees)
    co, si = math.cos(t), math.sin(t)
    return transform(shapes, co, -si, si, co, cx - co * cx + si * cy, cy - si * cx - co * cy)


def point_on_arc(cx, cy, r, degrees):
    t = math.radians(degrees)
    return cx + r * math.cos(t), cy + r * math.sin(t)


def arc_through(p0, p1, p2):
    """Centre, radius and start/end angles (degrees) of the circle through three points.

    The angles run anticlockwise from the start to the end and pass p1.
    """
    (x0, y0), (x1, y1), (x2, y2) = p0, p1, p2
    d = 2 * (x0 * (y1 - y2) + x1 * (y2 - y0) + x2 * (y0 - y1))
    if abs(d) < 1e-9:
        raise ValueError("points are collinear")
    s0, s1, s2 = x0 * x0 + y0 * y0, x1 * x1 + y1 * y1, x2 * x2 + y2 * y2
    cx = (s0 * (y1 - y2) + s1 * (y2 - y0) + s2 * (y0 - y1)) / d
    cy = (s0 * (x2 - x1) + s1 * (x0 - x2) + s2 * (x1 - x0)) / d
    r = math.hypot(x0 - cx, y0 - cy)
    angles = [math.degrees(math.atan2(y - cy, x - cx)) for x, y in (p0, p1, p2)]
    a0, a1, a2 = angles
    # Walk anticlockwise from a0; if p1 is not met before p2, go the other way.
    span_mid = (a1 - a0) % 360
    span_end = (a2 - a0) % 360
    if span_mid <= span_end:
        return (cx, cy), r, a0, a0 + span_end
    return (cx, cy), r, a2, a2 + (a0 - a2) % 360


def arc_stroke_through(p0, p1, p2, width, cap="round"):
    """A circular arc stroke from p0 through p1 to p2."""
    (cx, cy), r, a0, a1 = arc_through(p0, p1, p2)
    return arc(cx, cy, r, a0, a1, width, cap)


def _rounded_rect_contour(x0, y0, x1, y1, radius, counter_clockwise=True):
    r = max(0.0, min(radius, (x1 - x0) / 2, (y1 - y0) / 2))
    corners = [(x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    contour = [(x0 + r, y0, True)]
    for cx, cy, a in corners:
        t = math.radians(a)
        start = (cx + r * math.cos(t), cy + r * math.sin(t), True)
        if contour[-1][:2] != start[:2]:
            contour.append(start)
        if r > 0:
            contour += _arc_points(cx, cy, r, r, t, t + math.pi / 2)
    contour = _fix_start(contour)
    if not counter_clockwise:
        contour = [contour[0]] + contour[:0:-1]
    return contour


def rounded_rect(x0, y0, x1, y1, radius):
    """A filled rectangle with rounded corners."""
    return [_rounded_rect_contour(x0, y0, x1, y1, radius)]


def rounded_box(x0, y0, x1, y1, radius, width):
    """A rounded rectangle outline; the pen runs along the given centre lines."""
    h = width / 2
    return [_rounded_rect_contour(x0 - h, y0 - h, x1 + h, y1 + h, radius + h),
            _rounded_rect_contour(x0 + h, y0 + h, x1 - h, y1 - h, max(0.0, radius - h),
                                  counter_clockwise=False)]
