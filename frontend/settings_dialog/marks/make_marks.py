#!/usr/bin/env python3
"""Draws the settings dialog's two choice marks, 12 x 12 pixels each, as
24-bit BMP files: an empty light square for a choice that is not taken and a
square filled with blue for the one that is. The dialog's hidden images
Img_Ra(0) and Img_Ra(1) hold them.

    python3 frontend/settings_dialog/marks/make_marks.py frontend/settings_dialog/marks
"""
import os
import struct
import sys

SIZE = 12


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def square(border, fill_top, fill_bottom, highlight):
    """A square with a one-pixel border whose corner pixels are softened
    toward the fill, and a vertical fill with a light first inner row."""
    pixels = [[None] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            edge = x in (0, SIZE - 1) or y in (0, SIZE - 1)
            if edge:
                corner = x in (0, SIZE - 1) and y in (0, SIZE - 1)
                pixels[y][x] = blend(border, fill_top, 0.45) if corner else border
            elif y == 1:
                pixels[y][x] = highlight
            else:
                pixels[y][x] = blend(fill_top, fill_bottom, (y - 2) / (SIZE - 4))
    return pixels


def unselected():
    # A light, slightly sunken square: the top inner row in shadow.
    return square(border=(0x5B, 0x6B, 0x82), fill_top=(0xF7, 0xF8, 0xFA),
                  fill_bottom=(0xEC, 0xEE, 0xF2), highlight=(0xD9, 0xDD, 0xE4))


def selected():
    # Deep blue, brighter at the top, with a glint along the top inner row.
    return square(border=(0x14, 0x33, 0x7A), fill_top=(0x4F, 0x86, 0xEC),
                  fill_bottom=(0x1F, 0x4F, 0xBE), highlight=(0x9C, 0xC0, 0xFF))


def write_bmp(path, pixels):
    row_bytes = (SIZE * 3 + 3) // 4 * 4
    image = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for (r, g, b) in row:
            line += bytes((b, g, r))
        line += bytes(row_bytes - len(line))
        image += line
    header = struct.pack('<2sIHHI', b'BM', 14 + 40 + len(image), 0, 0, 14 + 40)
    info = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + image)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(folder, 'mark_unselected.bmp'), unselected())
    write_bmp(os.path.join(folder, 'mark_selected.bmp'), selected())


if __name__ == '__main__':
    main()
