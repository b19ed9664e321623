#!/usr/bin/env python3
"""Writes huevane.ico: a 32 by 32 and a 16 by 16 image in 16 colours.

The picture is a colour swatch: four coloured squares, red, green, blue and
yellow, in a dark frame, with a white pixel grid between them. Run it from
this folder; the icon it writes is committed beside it.
"""
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
FRAME, GRID, RED, GREEN, BLUE, YELLOW = 8, 15, 9, 10, 12, 11


def picture(size):
    """Rows of palette indexes, top row first."""
    half = size // 2
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            if x in (0, size - 1) or y in (0, size - 1):
                row.append(FRAME)
            elif x in (half - 1, half) or y in (half - 1, half):
                row.append(GRID)
            else:
                row.append([[RED, GREEN], [BLUE, YELLOW]][y >= half][x >= half])
        rows.append(row)
    return rows


def image(size):
    rows = picture(size)
    xor = b""
    for row in reversed(rows):  # bottom-up
        line = bytes((row[i] << 4) | row[i + 1] for i in range(0, size, 2))
        xor += line + b"\0" * (-len(line) % 4)
    mask_line = (size + 7) // 8
    and_mask = (b"\0" * mask_line + b"\0" * (-mask_line % 4)) * size  # every pixel opaque
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(and_mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + xor + and_mask


def main():
    images = [image(32), image(16)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip((32, 16), images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    with open("huevane.ico", "wb") as out:
        out.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main()
