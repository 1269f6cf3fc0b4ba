#!/usr/bin/env python3
"""Draws the sample package's wizard bitmaps as 8-bit BMP files."""
import struct, sys, os

def bmp8(width, height, pixel, palette):
    row = (width + 3) & ~3
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    pal += b'\0' * (1024 - len(pal))
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytes(pixel(x, y) for x in range(width))
        data += line + b'\0' * (row - width)
    off = 14 + 40 + 1024
    fh = struct.pack('<2sIHHI', b'BM', off + len(data), 0, 0, off)
    ih = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 8, 0, len(data), 2835, 2835, 256, 0)
    return fh + ih + pal + bytes(data)

# 0..127: a blue-to-teal ramp; 200: white; 201: gold
palette = [(20 + i // 4, 60 + i, 140 + i // 2) for i in range(128)]
palette += [(0, 0, 0)] * (200 - 128) + [(255, 255, 255), (240, 190, 40)]

def side(x, y):
    # vertical ramp with a few diagonal stripes and a gold sun
    if (x - 110) ** 2 + (y - 60) ** 2 < 22 ** 2:
        return 201
    if (x + y) % 40 < 3:
        return 200
    return min(127, y * 128 // 310)

def head(x, y):
    # the header element is 500 x 60; the window shows its first 491 columns
    # the titles drawn on it may run to about x = 450
    if x > 450 and (x - 470) ** 2 + (y - 30) ** 2 < 14 ** 2:
        return 201
    return 200 if x < 452 else min(127, (x - 452) * 128 // 48)

out = sys.argv[1]
with open(os.path.join(out, 'WizBitmap.bmp'), 'wb') as f:
    f.write(bmp8(155, 310, side, palette))
with open(os.path.join(out, 'HeadBitmap.bmp'), 'wb') as f:
    f.write(bmp8(500, 60, head, palette))
