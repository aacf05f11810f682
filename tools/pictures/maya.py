"""The Maya pictures: dots, bars and the shell.

The numerals lie turned a quarter: the dots form a column on the left and
the bars stand upright to their right. Dots are discs 5 pixels across on a
6 pixel pitch (so 1 to 4 dots are 5, 11, 17 and 23 pixels tall), a bar is a
4 x 23 block, a bar follows the dots after a 2 pixel gap, and two bars stand
2 pixels apart. The shell (zero) is the outline of Noto Sans Mayan Numerals,
fitted into its 18 x 12 box and emboldened a little so that its thin lines
stay visible at that size.
"""

from fontTools.ttLib import TTFont

import raster

FONT_FILE = "/usr/share/fonts/truetype/noto/NotoSansMayanNumerals-Regular.ttf"
SHELL_CODE_POINT = 0x1D2E0  # MAYAN NUMERAL ZERO
DOT = 5
DOT_PITCH = 6
BAR_WIDTH = 4
GAP = 2
HEIGHT = 23
SHELL_SIZE = (18, 12)
SHELL_GREY_LEVELS = 16
SHELL_EMBOLDEN = 2  # fine-grid pixels: the font's hairlines would fade at this size
DOT_GREY_LEVELS = 4


def _layout(value):
    """(dot count, bar count) of a digit 1..10."""
    if value == 10:
        return 0, 2
    if value >= 5:
        return value - 5, 1
    return value, 0


def _size(dots, bars):
    """Width and height of a digit picture with that many dots and bars."""
    if not bars:
        return DOT, dots * DOT_PITCH - 1
    width = bars * BAR_WIDTH + (bars - 1) * GAP
    if dots:
        width += DOT + GAP
    return width, HEIGHT


def _digit(value, zoom):
    dots, bars = _layout(value)
    width, height = _size(dots, bars)
    canvas = raster.Canvas(width, height, zoom)
    for dot in range(dots):
        canvas.disc(DOT / 2, dot * DOT_PITCH + DOT / 2, DOT / 2)
    left = DOT + GAP if dots else 0
    for _ in range(bars):
        canvas.rectangle(left, 0, left + BAR_WIDTH, height)
        left += BAR_WIDTH + GAP
    levels = DOT_GREY_LEVELS if dots else 2
    return width, height, raster.quantise(canvas.coverage(), levels)


def _shell(zoom):
    width, height = SHELL_SIZE
    font = TTFont(FONT_FILE)
    outline = raster.glyph_contours(font, SHELL_CODE_POINT, lambda point: point)
    transform = raster.fit_transform(raster.contour_bounds(outline),
                                     (0.5, 0.5, width - 0.5, height - 0.5), max_stretch=1.25)
    canvas = raster.Canvas(width, height, zoom)
    canvas.xor_polygons(raster.glyph_contours(font, SHELL_CODE_POINT, transform))
    canvas.embolden(SHELL_EMBOLDEN)
    return raster.quantise(canvas.coverage(), SHELL_GREY_LEVELS)


def pictures(zoom=1):
    """Yields (name, width, height, palette, indexes) for ma0..ma10, each
    zoom times as wide and high as the catalogue says."""
    width, height = SHELL_SIZE
    yield ("ma0", width * zoom, height * zoom, *_shell(zoom))
    for value in range(1, 11):
        width, height, (palette, indexes) = _digit(value, zoom)
        yield "ma%d" % value, width * zoom, height * zoom, palette, indexes
