#!/usr/bin/env python3
"""Draws the program's picture resources: our own neutral marks, no maker's logo.

    res/MainIcon.ico  32 x 32, 16 colours: a small chart with three rising curves
    res/Logo.bmp      100 x 44, 4 bits per pixel, uncompressed, the standard 16-colour palette:
                      a thermocouple junction (two wires meeting in a dot) beside the word TERMO

Usage: draw_resources.py OUTPUT_DIR (the checked-in files are written to res/).
"""
import struct
import sys
from pathlib import Path

# The standard Windows 16-colour palette, by index.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, NAVY, TEAL, SILVER, GRAY, RED, BLUE, WHITE = 0, 1, 2, 4, 6, 7, 8, 9, 12, 15

# 5 x 7 capitals, rows top to bottom.
GLYPHS = {
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
}


class Picture:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                self.set(x, y, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            x = round(x0 + (x1 - x0) * i / steps)
            y = round(y0 + (y1 - y0) * i / steps)
            self.fill(x - width // 2, y - width // 2, x - width // 2 + width, y - width // 2 + width, colour)

    def text(self, left, top, word, colour, scale):
        for glyph in word:
            for row, bits in enumerate(GLYPHS[glyph]):
                for column, bit in enumerate(bits):
                    if bit == "#":
                        self.fill(left + column * scale, top + row * scale,
                                  left + (column + 1) * scale, top + (row + 1) * scale, colour)
            left += 6 * scale

    def rows_4bpp(self):
        """Bottom-up rows, two pixels per byte (high nibble first), padded to 4 bytes."""
        stride = ((self.width * 4 + 31) // 32) * 4
        for row in reversed(self.pixels):
            packed = bytearray(stride)
            for x, colour in enumerate(row):
                packed[x // 2] |= colour << (4 if x % 2 == 0 else 0)
            yield bytes(packed)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 2835, 2835, 16, 16)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def logo():
    # The control shows the top 41 rows only: the mark stays above them.
    picture = Picture(100, 44, WHITE)
    picture.line(3, 6, 20, 20, RED, 3)      # one wire of the junction
    picture.line(3, 34, 20, 20, BLUE, 3)    # the other
    picture.fill(18, 17, 25, 24, BLACK)     # the measuring junction
    picture.text(31, 9, "TERMO", NAVY, 2)
    picture.fill(31, 29, 89, 31, TEAL)
    picture.fill(31, 33, 69, 35, GRAY)
    return picture


def icon():
    picture = Picture(32, 32, WHITE)
    picture.fill(0, 0, 32, 1, BLACK)
    picture.fill(0, 31, 32, 32, BLACK)
    picture.fill(0, 0, 1, 32, BLACK)
    picture.fill(31, 0, 32, 32, BLACK)
    picture.line(3, 28, 28, 5, RED, 2)
    picture.line(3, 28, 28, 14, GREEN, 2)
    picture.line(3, 28, 28, 23, BLUE, 2)
    return picture


def bitmap_file(picture):
    pixels = b"".join(picture.rows_4bpp())
    offset = 14 + 40 + 16 * 4
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info_header(picture.width, picture.height, len(pixels)) + palette_bytes() + pixels


def icon_file(picture):
    colours = b"".join(picture.rows_4bpp())
    mask = bytes(((picture.width + 31) // 32) * 4 * picture.height)  # all opaque
    image = info_header(picture.width, picture.height * 2, len(colours) + len(mask)) + palette_bytes() + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", picture.width, picture.height, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "Logo.bmp").write_bytes(bitmap_file(logo()))
    (out / "MainIcon.ico").write_bytes(icon_file(icon()))


if __name__ == "__main__":
    main()
