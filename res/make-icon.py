#!/usr/bin/env python3
"""Draws Tessaro's icon, a small calendar page, and writes it as Tessaro.ico: one icon group
with a 32 x 32 and a 16 x 16 image, 16 colours each. Run it again after changing the drawing."""
import os
import struct

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, GREY, SILVER, RED, BLUE, WHITE = 0, 1, 8, 7, 9, 12, 15
CLEAR = None  # transparent


def calendar_page(size):
    """A page with a red header, two binding rings, a grid of days and one marked day."""
    px = [[CLEAR] * size for _ in range(size)]

    def fill(x0, y0, x1, y1, colour):  # inclusive corners
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    if size == 32:
        fill(4, 5, 28, 29, GREY)      # shadow
        fill(2, 3, 27, 28, BLACK)     # outline
        fill(3, 4, 26, 27, WHITE)     # page
        fill(3, 4, 26, 10, RED)       # header
        fill(3, 10, 26, 10, DARK_RED)
        for x in (8, 20):             # binding rings
            fill(x, 1, x + 3, 6, BLACK)
            fill(x + 1, 2, x + 2, 5, SILVER)
        for row in range(4):          # days: four rows of five, one marked
            for col in range(5):
                x, y = 5 + col * 4, 13 + row * 4
                fill(x, y, x + 2, y + 2, BLUE if (row, col) == (2, 3) else SILVER)
    else:
        fill(2, 3, 15, 15, GREY)
        fill(1, 2, 14, 14, BLACK)
        fill(2, 3, 13, 13, WHITE)
        fill(2, 3, 13, 5, RED)
        for x in (4, 10):
            fill(x, 0, x + 1, 3, BLACK)
        for row in range(3):
            for col in range(4):
                x, y = 3 + col * 3, 7 + row * 2
                fill(x, y, x + 1, y, BLUE if (row, col) == (1, 2) else GREY)
    return px


def icon_image(px):
    size = len(px)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    xor, mask = b"", b""
    for row in reversed(px):  # bottom-up
        nibbles = [c or 0 for c in row]
        line = bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, size, 2))
        xor += line.ljust((len(line) + 3) // 4 * 4, b"\0")
        bits = "".join("1" if c is CLEAR else "0" for c in row)
        line = int(bits, 2).to_bytes(size // 8, "big")
        mask += line.ljust((len(line) + 3) // 4 * 4, b"\0")
    return header + palette + xor + mask


def main():
    images = [icon_image(calendar_page(size)) for size in (32, 16)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip((32, 16), images):
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    out += b"".join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Tessaro.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
