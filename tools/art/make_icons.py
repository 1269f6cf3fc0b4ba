#!/usr/bin/env python3
"""Draws the installer's three 32x32, 8-bit icons (2,238 bytes each)."""
import struct, sys, os

W = H = 32
PALETTE = [(0, 0, 0), (255, 255, 255), (32, 96, 176), (90, 150, 220), (240, 200, 60),
           (200, 150, 30), (60, 60, 60), (40, 160, 80), (220, 60, 50), (170, 170, 170)]

def ico(pixels):
    # pixels: list of rows (top first) of palette indexes, None = transparent
    pal = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    pal += b'\0' * (1024 - len(pal))
    xor = b''.join(bytes(p if p is not None else 0 for p in row) for row in reversed(pixels))
    mask = b''
    for row in reversed(pixels):
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (31 - x)
        mask += struct.pack('>I', bits)
    bih = struct.pack('<IiiHHIIiiII', 40, W, H * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    image = bih + pal + xor + mask
    header = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', W, H, 0, 0, 1, 8, len(image), 6 + 16)
    data = header + entry + image
    assert len(data) == 2238, len(data)
    return data

def canvas():
    return [[None] * W for _ in range(H)]

def rect(c, x0, y0, x1, y1, col):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            c[y][x] = col

def box_with_arrow():
    c = canvas()
    rect(c, 3, 12, 28, 29, 6)
    rect(c, 4, 13, 27, 28, 2)
    rect(c, 4, 13, 27, 15, 3)
    for i in range(8):  # arrow pointing down into the box
        rect(c, 16 - i, 10 + i, 15 + i, 10 + i, 7)
    rect(c, 13, 1, 18, 10, 7)
    return c

def folder():
    c = canvas()
    rect(c, 2, 7, 13, 10, 5)
    rect(c, 2, 10, 29, 27, 5)
    rect(c, 3, 12, 28, 26, 4)
    rect(c, 3, 12, 28, 13, 1)
    return c

def group():
    c = canvas()
    rect(c, 2, 2, 29, 29, 6)
    rect(c, 3, 3, 28, 28, 1)
    for i, col in enumerate((2, 7, 8, 4)):
        x = 5 + (i % 2) * 12
        y = 5 + (i // 2) * 12
        rect(c, x, y, x + 9, y + 9, col)
    return c

out = sys.argv[1]
os.makedirs(out, exist_ok=True)
for name, fn in (('image0.ico', box_with_arrow), ('image1.ico', folder), ('image2.ico', group)):
    with open(os.path.join(out, name), 'wb') as f:
        f.write(ico(fn()))
