#!/usr/bin/env python3
"""Draws the About box's logo, logo.ico: 32 x 32 pixels, 24-bit colour with a
transparency mask. A blue tile with rounded corners holds a white sheet of
paper, framed by the four orange corners of a capture frame.

    python3 src/res/make_logo.py src/res/logo.ico
"""
import struct
import sys

SIZE = 32
RADIUS = 6
TOP_BLUE, BOTTOM_BLUE = (0x2A, 0x6C, 0xC4), (0x10, 0x3A, 0x78)
WHITE, FOLD, ORANGE = (0xFF, 0xFF, 0xFF), (0xC8, 0xD6, 0xEA), (0xF5, 0x9E, 0x1B)
INK = (0x5A, 0x78, 0xA8)


def inside_tile(x, y):
    """Whether the pixel lies on the rounded tile."""
    cx = min(max(x, RADIUS), SIZE - 1 - RADIUS)
    cy = min(max(y, RADIUS), SIZE - 1 - RADIUS)
    return (x - cx) ** 2 + (y - cy) ** 2 <= RADIUS ** 2 + 2


def colour(x, y):
    # The capture frame's corners: L shapes, 2 pixels thick, 6 long.
    for cx, cy, dx, dy in ((4, 4, 1, 1), (27, 4, -1, 1), (4, 27, 1, -1), (27, 27, -1, -1)):
        ix, iy = (x - cx) * dx, (y - cy) * dy
        if (0 <= ix < 6 and 0 <= iy < 2) or (0 <= ix < 2 and 0 <= iy < 6):
            return ORANGE
    # The sheet, its top right corner folded over: above the fold's diagonal
    # the tile shows through.
    if 10 <= x <= 21 and 8 <= y <= 23:
        fx, fy = x - 18, y - 8  # position within the 4 x 4 fold
        if 0 <= fx and fy <= 3:
            if fx <= fy:
                return FOLD
        elif y in (12, 15, 18) and 12 <= x <= 19 or y == 21 and 12 <= x <= 16:
            return INK  # a few lines of print on the page
        else:
            return WHITE
    t = y / (SIZE - 1)
    return tuple(round(a + (b - a) * t) for a, b in zip(TOP_BLUE, BOTTOM_BLUE))


def icon_bytes():
    rows, mask = [], []
    for y in reversed(range(SIZE)):  # bottom-up, as bitmaps are stored
        row, bits = bytearray(), 0
        for x in range(SIZE):
            if inside_tile(x, y):
                r, g, b = colour(x, y)
            else:
                r, g, b = 0, 0, 0
                bits |= 1 << (SIZE - 1 - x)
            row += bytes((b, g, r))
        rows.append(bytes(row))
        mask.append(struct.pack(">I", bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    image = header + b"".join(rows) + b"".join(mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 22)
    return directory + image


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())
