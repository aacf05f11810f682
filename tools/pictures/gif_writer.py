"""A small GIF encoder for one-frame indexed pictures.

It writes exactly what the picture catalogue needs and nothing more: a
header (87a or 89a), a logical screen descriptor with a global colour table,
one image descriptor at 0,0 covering the whole screen (optionally
interlaced), the LZW image data in sub-blocks, and the trailer. No local
colour table and no extension blocks are written.

The LZW coder keeps the usual 12-bit table: when the next free code would be
4096 it sends a clear code and starts a new table, and the code width grows
from (minimum code size + 1) up to 12 bits at the same points where a GIF
decoder grows it.
"""

MAX_CODE = 4095
MAX_SUB_BLOCK = 255


def interlaced_row_order(height):
    """Rows in the order an interlaced GIF stores them (four passes)."""
    passes = ((0, 8), (4, 8), (2, 4), (1, 2))
    return [row for start, step in passes for row in range(start, height, step)]


def minimum_code_size(colour_count):
    """LZW minimum code size for a table of colour_count entries (at least 2)."""
    bits = 1
    while (1 << bits) < colour_count:
        bits += 1
    return max(2, bits)


def colour_table_size_field(colour_count):
    """The 3-bit size field n with 2 << n == colour_count."""
    for field in range(8):
        if (2 << field) == colour_count:
            return field
    raise ValueError("colour table size must be a power of two from 2 to 256")


class _BitPacker:
    """Packs variable-width codes least significant bit first."""

    def __init__(self):
        self.output = bytearray()
        self.accumulator = 0
        self.bit_count = 0

    def put(self, code, width):
        self.accumulator |= code << self.bit_count
        self.bit_count += width
        while self.bit_count >= 8:
            self.output.append(self.accumulator & 0xFF)
            self.accumulator >>= 8
            self.bit_count -= 8

    def finish(self):
        if self.bit_count > 0:
            self.output.append(self.accumulator & 0xFF)
        self.accumulator = 0
        self.bit_count = 0
        return bytes(self.output)


def lzw_encode(indexes, min_code_size):
    """LZW-compresses a sequence of colour indexes into the GIF code stream."""
    clear_code = 1 << min_code_size
    end_code = clear_code + 1
    packer = _BitPacker()
    width = min_code_size + 1
    next_code = end_code + 1
    table = {}
    packer.put(clear_code, width)
    pixels = iter(indexes)
    current = next(pixels, None)
    if current is None:
        packer.put(end_code, width)
        return packer.finish()
    for pixel in pixels:
        key = (current, pixel)
        if key in table:
            current = table[key]
            continue
        packer.put(current, width)
        if next_code >= (1 << width) and width < 12:
            width += 1
        if next_code >= MAX_CODE:
            packer.put(clear_code, width)
            table.clear()
            width = min_code_size + 1
            next_code = end_code + 1
        else:
            table[key] = next_code
            next_code += 1
        current = pixel
    packer.put(current, width)
    if next_code >= (1 << width) and width < 12:
        width += 1
    packer.put(end_code, width)
    return packer.finish()


def sub_blocks(data):
    """Splits data into GIF data sub-blocks followed by the block terminator."""
    out = bytearray()
    for start in range(0, len(data), MAX_SUB_BLOCK):
        chunk = data[start:start + MAX_SUB_BLOCK]
        out.append(len(chunk))
        out += chunk
    out.append(0)
    return bytes(out)


def encode_gif(width, height, palette, pixels, version="87a", interlaced=False):
    """The bytes of a one-frame GIF.

    palette: list of (r, g, b), a power of two from 2 to 256 entries.
    pixels: width * height colour indexes, rows top to bottom.
    """
    if version not in ("87a", "89a"):
        raise ValueError("version must be 87a or 89a")
    if len(pixels) != width * height:
        raise ValueError("pixel count does not match the picture size")
    if any(index >= len(palette) for index in pixels):
        raise ValueError("pixel index outside the colour table")
    size_field = colour_table_size_field(len(palette))
    out = bytearray(b"GIF" + version.encode("ascii"))
    colour_resolution = 7  # 8 bits per primary colour
    out += width.to_bytes(2, "little") + height.to_bytes(2, "little")
    out += bytes([0x80 | (colour_resolution << 4) | size_field, 0, 0])
    for red, green, blue in palette:
        out += bytes([red, green, blue])
    out.append(0x2C)
    out += (0).to_bytes(2, "little") * 2
    out += width.to_bytes(2, "little") + height.to_bytes(2, "little")
    out.append(0x40 if interlaced else 0x00)
    rows = interlaced_row_order(height) if interlaced else range(height)
    ordered = [pixels[row * width + column] for row in rows for column in range(width)]
    code_size = minimum_code_size(len(palette))
    out.append(code_size)
    out += sub_blocks(lzw_encode(ordered, code_size))
    out.append(0x3B)
    return bytes(out)
