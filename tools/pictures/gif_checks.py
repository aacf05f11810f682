"""Independent checks of written GIF files.

Each picture file is decoded by two decoders that share no code with
gif_writer.py (PIL, and giflib through ctypes when the library is present),
and its block structure is walked byte by byte, so a fault in our encoder
shows up as a difference from what was drawn.
"""

import ctypes
import ctypes.util
import io

from PIL import Image


class BlockLayout:
    """What the block walk found in one file."""

    def __init__(self):
        self.version = None
        self.screen = None
        self.global_table_size = 0
        self.frames = []          # (left, top, width, height, interlaced, local table)
        self.extensions = 0
        self.min_code_sizes = []
        self.trailer_last = False


def walk_blocks(data):
    """Walks the GIF block structure (without decoding image data)."""
    layout = BlockLayout()
    if data[:3] != b"GIF":
        raise ValueError("no GIF signature")
    layout.version = data[3:6].decode("ascii", "replace")
    width = int.from_bytes(data[6:8], "little")
    height = int.from_bytes(data[8:10], "little")
    layout.screen = (width, height)
    packed = data[10]
    position = 13
    if packed & 0x80:
        layout.global_table_size = 2 << (packed & 7)
        position += 3 * layout.global_table_size
    while position < len(data):
        introducer = data[position]
        if introducer == 0x3B:
            layout.trailer_last = position == len(data) - 1
            return layout
        if introducer == 0x21:
            layout.extensions += 1
            position = _skip_sub_blocks(data, position + 2)
        elif introducer == 0x2C:
            position = _walk_image(data, position, layout)
        else:
            raise ValueError("unknown block 0x%02X at %d" % (introducer, position))
    return layout


def _walk_image(data, position, layout):
    fields = [int.from_bytes(data[position + 1 + 2 * k:position + 3 + 2 * k], "little") for k in range(4)]
    packed = data[position + 9]
    local_table = bool(packed & 0x80)
    layout.frames.append((*fields, bool(packed & 0x40), local_table))
    position += 10
    if local_table:
        position += 3 * (2 << (packed & 7))
    layout.min_code_sizes.append(data[position])
    return _skip_sub_blocks(data, position + 1)


def _skip_sub_blocks(data, position):
    while True:
        size = data[position]
        position += 1
        if size == 0:
            return position
        position += size


def decode_with_pil(data):
    """(palette as (r, g, b) list, indexes) as PIL reads the file."""
    with Image.open(io.BytesIO(data)) as image:
        if image.mode != "P":
            raise ValueError("PIL did not read an indexed picture")
        raw = image.getpalette() or []
        palette = [tuple(raw[k:k + 3]) for k in range(0, len(raw), 3)]
        return palette, list(image.getdata())


class _Colour(ctypes.Structure):
    _fields_ = [("red", ctypes.c_ubyte), ("green", ctypes.c_ubyte), ("blue", ctypes.c_ubyte)]


class _ColourMap(ctypes.Structure):
    _fields_ = [("count", ctypes.c_int), ("bits", ctypes.c_int), ("sorted", ctypes.c_bool),
                ("colours", ctypes.POINTER(_Colour))]


class _ImageDesc(ctypes.Structure):
    _fields_ = [("left", ctypes.c_int), ("top", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("interlace", ctypes.c_bool),
                ("colour_map", ctypes.POINTER(_ColourMap))]


class _SavedImage(ctypes.Structure):
    _fields_ = [("desc", _ImageDesc), ("raster", ctypes.POINTER(ctypes.c_ubyte)),
                ("extension_count", ctypes.c_int), ("extensions", ctypes.c_void_p)]


class _GifFile(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("colour_resolution", ctypes.c_int),
                ("background", ctypes.c_int), ("aspect", ctypes.c_ubyte),
                ("colour_map", ctypes.POINTER(_ColourMap)), ("image_count", ctypes.c_int),
                ("image", _ImageDesc), ("saved", ctypes.POINTER(_SavedImage)),
                ("extension_count", ctypes.c_int), ("extensions", ctypes.c_void_p),
                ("error", ctypes.c_int), ("user_data", ctypes.c_void_p), ("private", ctypes.c_void_p)]


def _load_giflib():
    name = ctypes.util.find_library("gif")
    if not name:
        return None
    library = ctypes.CDLL(name)
    library.DGifOpenFileName.restype = ctypes.POINTER(_GifFile)
    library.DGifOpenFileName.argtypes = [ctypes.c_char_p, ctypes.POINTER(ctypes.c_int)]
    library.DGifSlurp.argtypes = [ctypes.POINTER(_GifFile)]
    library.DGifCloseFile.argtypes = [ctypes.POINTER(_GifFile), ctypes.POINTER(ctypes.c_int)]
    return library


GIFLIB = _load_giflib()


def decode_with_giflib(path):
    """(palette, indexes) as giflib reads the file, or None without giflib."""
    if GIFLIB is None:
        return None
    error = ctypes.c_int(0)
    handle = GIFLIB.DGifOpenFileName(str(path).encode(), ctypes.byref(error))
    if not handle:
        raise ValueError("giflib cannot open %s (error %d)" % (path, error.value))
    try:
        if GIFLIB.DGifSlurp(handle) != 1:
            raise ValueError("giflib cannot read %s (error %d)" % (path, handle.contents.error))
        gif = handle.contents
        colour_map = gif.colour_map.contents
        palette = [(colour_map.colours[k].red, colour_map.colours[k].green, colour_map.colours[k].blue)
                   for k in range(colour_map.count)]
        frame = gif.saved[0]
        count = frame.desc.width * frame.desc.height
        return palette, [frame.raster[k] for k in range(count)]
    finally:
        GIFLIB.DGifCloseFile(handle, ctypes.byref(error))
