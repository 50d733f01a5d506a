#!/usr/bin/env python3
"""Draws the renderer's icon: streams of glowing points swirling out of a
centre on black, as the painting shows them. Writes a 32 x 32, 16-colour
(4 bits per pixel) icon file.

    python3 renderer/win32/make_icon.py renderer/win32/velmora.ico
"""
import math
import struct
import sys

SIZE = 32

# The 16 colours of the classic Windows palette, as (blue, green, red).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128),
    (128, 0, 0), (128, 0, 128), (128, 128, 0), (192, 192, 192),
    (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255),
    (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
BLACK, DARK_BLUE, DARK_CYAN, DARK_MAGENTA = 0, 4, 6, 5
CYAN, MAGENTA, YELLOW, WHITE = 14, 13, 11, 15


def draw():
    pixels = [[BLACK] * SIZE for _ in range(SIZE)]

    def put(x, y, colour):
        xi, yi = int(round(x)), int(round(y))
        if 0 <= xi < SIZE and 0 <= yi < SIZE:
            pixels[yi][xi] = colour

    centre = (SIZE - 1) / 2
    # Three streams, a third of a turn apart, each a spiral whose points
    # brighten as they leave the centre, with a dim trail beside them.
    streams = [(CYAN, DARK_CYAN), (MAGENTA, DARK_MAGENTA), (YELLOW, DARK_BLUE)]
    for n, (bright, dim) in enumerate(streams):
        start = n * 2 * math.pi / 3
        for k in range(60):
            t = k / 59
            angle = start + t * 2.4 * math.pi
            radius = 1.5 + t * 13.5
            x = centre + radius * math.cos(angle)
            y = centre + radius * math.sin(angle)
            trail_angle = angle - 0.25
            put(centre + radius * 0.92 * math.cos(trail_angle),
                centre + radius * 0.92 * math.sin(trail_angle), dim)
            put(x, y, bright if k % 3 else dim)
    for dx, dy in [(0, 0), (1, 0), (0, 1), (1, 1)]:
        put(15 + dx, 15 + dy, WHITE)
    return pixels


def icon_bytes(pixels):
    xor_rows = []
    # Bitmap rows run from the bottom up.
    for row in reversed(pixels):
        xor_rows.append(bytes((row[i] << 4) | row[i + 1] for i in range(0, SIZE, 2)))
    xor = b"".join(xor_rows)
    and_mask = bytes(SIZE * SIZE // 8)  # every pixel opaque
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (b, g, r) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(xor) + len(and_mask), 0, 0, 16, 0)
    image = header + palette + xor + and_mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes(draw()))
