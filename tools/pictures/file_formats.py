"""Writers for the three Windows picture files the menu program embeds."""

import struct

INFO_HEADER_SIZE = 40
FILE_HEADER_SIZE = 14
DIRECTORY_SIZE = 6
DIRECTORY_ENTRY_SIZE = 16
ICON_TYPE = 1
CURSOR_TYPE = 2


def row_stride(width, bits):
    """Bytes per stored row: rows are padded to whole 32-bit words."""
    return ((width * bits + 31) // 32) * 4


def info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", INFO_HEADER_SIZE, width, height, 1, bits, 0,
                       image_size, 0, 0, 0, 0)


def bmp_24(image):
    """A bottom-up 24-bit BMP of an RGB PIL image."""
    width, height = image.size
    stride = row_stride(width, 24)
    pixels = bytearray()
    rgb = image.convert("RGB").tobytes()
    for y in reversed(range(height)):
        row = rgb[y * width * 3:(y + 1) * width * 3]
        for x in range(width):
            r, g, b = row[x * 3:x * 3 + 3]
            pixels += bytes((b, g, r))
        pixels += bytes(stride - width * 3)
    offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return file_header + info_header(width, height, 24, len(pixels)) + bytes(pixels)


def _mask_rows(size, transparent):
    """The 1-bit AND mask, bottom-up: a set bit lets the screen through."""
    stride = row_stride(size, 1)
    data = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        data += row
    return bytes(data)


def _palette_bytes(palette, count):
    colours = list(palette) + [(0, 0, 0)] * (count - len(palette))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in colours)


def _icon_image(indexed, palette, bits):
    """One DIB of an icon or cursor: header, colour table, XOR, AND mask.

    indexed(x, y) gives a palette index, or None where the picture is clear.
    """
    size = indexed.size
    stride = row_stride(size, bits)
    xor = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            index = indexed.at(x, y) or 0
            if bits == 8:
                row[x] = index
            elif index:
                row[x // 8] |= 0x80 >> (x % 8)
        xor += row
    mask = _mask_rows(size, lambda x, y: indexed.at(x, y) is None)
    header = info_header(size, size * 2, bits, len(xor) + len(mask))
    return header + _palette_bytes(palette, 1 << bits) + bytes(xor) + mask


class IndexedSquare:
    """A square picture of palette indexes; None marks a clear pixel."""

    def __init__(self, size, indexes):
        self.size = size
        self.indexes = indexes

    def at(self, x, y):
        return self.indexes[y * self.size + x]


def _directory(kind, entries):
    """The icon directory, its entries and the images, laid end to end.

    entries: (size, colour_count, field_a, field_b, image bytes); the two
    fields are planes and bits for an icon, the hot spot for a cursor.
    """
    offset = DIRECTORY_SIZE + DIRECTORY_ENTRY_SIZE * len(entries)
    head = struct.pack("<HHH", 0, kind, len(entries))
    images = b""
    for size, colours, field_a, field_b, image in entries:
        head += struct.pack("<BBBBHHII", size % 256, size % 256, colours % 256, 0, field_a,
                            field_b, len(image), offset + len(images))
        images += image
    return head + images


def ico_8bit(squares, palette):
    """An icon of 8-bit images, one per IndexedSquare, in the order given."""
    entries = [(s.size, 256, 1, 8, _icon_image(s, palette, 8)) for s in squares]
    return _directory(ICON_TYPE, entries)


def cur_1bit(square, hot_x, hot_y):
    """A black-and-white cursor: index 0 black, 1 white."""
    image = _icon_image(square, [(0, 0, 0), (255, 255, 255)], 1)
    return _directory(CURSOR_TYPE, [(square.size, 2, hot_x, hot_y, image)])
