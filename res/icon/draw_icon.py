#!/usr/bin/env python3
"""Draws Quorvel's icon, a memory module over a disk with an arrow between them, and writes
it as a 24-bit .ico with 16 x 16 and 48 x 48 images: python3 draw_icon.py ../quorvel.ico"""
import struct
import sys

BOARD = (0x1F, 0x7A, 0x3C)
CHIP = (0x20, 0x20, 0x28)
PIN = (0xE8, 0xB8, 0x30)
DISK = (0x3A, 0x6E, 0xC8)
DISK_EDGE = (0x1C, 0x3C, 0x80)
ARROW = (0xF0, 0x70, 0x20)


def draw(size):
    """Pixels top row first; None is transparent. Shapes are laid out on a 16-unit grid."""
    u = size / 16.0
    pixels = [[None] * size for _ in range(size)]

    def box(x0, y0, x1, y1, colour):
        for y in range(int(y0 * u), int(y1 * u)):
            for x in range(int(x0 * u), int(x1 * u)):
                pixels[y][x] = colour

    box(1, 1, 15, 7, BOARD)            # the module
    for x in (2.5, 6.5, 10.5):
        box(x, 2, x + 3, 5, CHIP)      # its chips
    for x in range(2, 14, 2):
        box(x, 6, x + 1, 7, PIN)       # its contacts
    box(2, 11, 14, 15, DISK_EDGE)      # the disk
    box(2.5, 11.5, 13.5, 14.5, DISK)
    box(11, 12.5, 12.5, 13.5, PIN)     # its light
    box(7, 7, 9, 9.5, ARROW)           # the arrow's shaft
    for row in range(3):               # and its head, down to the disk
        box(5.5 + row * 0.75, 9.5 + row * 0.5, 10.5 - row * 0.75, 10 + row * 0.5, ARROW)
    return pixels


def bmp_image(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 24, 0, 0, 0, 0, 0, 0)
    rows = b""
    mask = b""
    for row in reversed(pixels):       # bottom-up
        line = b"".join(bytes((c or (0, 0, 0))[::-1]) for c in row)
        rows += line + b"\0" * (-len(line) % 4)
        bits = 0
        mask_line = b""
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mask_line += bytes((bits,))
                bits = 0
        mask += mask_line + b"\0" * (-len(mask_line) % 4)
    return header + rows + mask


def ico(sizes):
    images = [bmp_image(draw(s)) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 24, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


if __name__ == "__main__":
    with open(sys.argv[1], "wb") as f:
        f.write(ico([16, 48]))
