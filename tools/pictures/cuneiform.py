"""The Assyrian pictures: cuneiform numeral wedges.

The wedges are the outlines of Noto Sans Cuneiform, flattened to polygons,
fitted into each picture's box and filled on the fine grid, then rounded to
8 grey levels. The program shows only the top 36 rows of a picture in its
Assyrian row, so no ink goes below row 35 (the 37 and 38 pixel tall pictures
keep their last rows white).
"""

from fontTools.ttLib import TTFont

import raster

FONT_FILE = "/usr/share/fonts/truetype/noto/NotoSansCuneiform-Regular.ttf"
GREY_LEVELS = 8
INK_BOTTOM = 35   # first row that stays white in the taller pictures
MAX_STRETCH = 1.35

# (picture, width, height, code point, value)
SIGNS = [
    ("ass1", 13, 36, 0x12079, 1),    # DISH: one upright wedge
    ("ass2", 25, 37, 0x1222B, 2),    # MIN: two upright wedges
    ("ass3", 37, 37, 0x12408, 3),    # THREE DISH
    ("ass4", 42, 32, 0x1243C, 4),    # FOUR VARIANT FORM LIMMU: three above one
    ("ass5", 37, 38, 0x1240A, 5),    # FIVE DISH: three above two
    ("ass6", 36, 36, 0x1240B, 6),    # SIX DISH: three above three
    ("ass7", 36, 37, 0x12442, 7),    # SEVEN VARIANT FORM IMIN A: 3, 3, 1
    ("ass8", 36, 37, 0x12444, 8),    # EIGHT VARIANT FORM USSU: 3, 3, 2
    ("ass9", 37, 37, 0x12446, 9),    # NINE VARIANT FORM ILIMMU: 3, 3, 3
    ("ass10", 13, 37, 0x1230B, 10),  # U: the corner wedge pointing left
]
EMPTY_PLACE = ("ass0", 14, 24, 0x12472)  # PUNCTUATION SIGN DIAGONAL COLON


def _ink_box(width, height):
    return (1, 1, width - 1, min(height - 1, INK_BOTTOM))


def _numeral(font, width, height, code_point, zoom):
    canvas = raster.Canvas(width, height, zoom)
    outline = raster.glyph_contours(font, code_point, lambda point: point)
    transform = raster.fit_transform(raster.contour_bounds(outline), _ink_box(width, height),
                                     max_stretch=MAX_STRETCH)
    canvas.xor_polygons(raster.glyph_contours(font, code_point, transform))
    return canvas


def _empty_place(font, width, height, code_point, zoom):
    """The two wedges of the diagonal colon, set one above the other with a
    slight slant to the right, each in its own half of the picture."""
    canvas = raster.Canvas(width, height, zoom)
    wedges = raster.glyph_contours(font, code_point, lambda point: point)
    wedges.sort(key=lambda contour: -raster.contour_bounds([contour])[3])  # upper first
    boxes = [(0.5, 1.0, width - 3.0, 11.5), (2.5, 12.5, width - 0.5, 23.0)]
    for wedge, box in zip(wedges, boxes):
        bounds = raster.contour_bounds([wedge])
        transform = raster.fit_transform(bounds, box)
        canvas.xor_polygons([[transform(point) for point in wedge]])
    return canvas


def pictures(zoom=1):
    """Yields (name, width, height, palette, indexes) for ass0..ass10, each
    zoom times as wide and high as the catalogue says."""
    font = TTFont(FONT_FILE)
    name, width, height, code_point = EMPTY_PLACE
    canvas = _empty_place(font, width, height, code_point, zoom)
    yield (name, width * zoom, height * zoom, *raster.quantise(canvas.coverage(), GREY_LEVELS))
    for name, width, height, code_point, _ in SIGNS:
        canvas = _numeral(font, width, height, code_point, zoom)
        yield (name, width * zoom, height * zoom, *raster.quantise(canvas.coverage(), GREY_LEVELS))
