#!/usr/bin/env python3
"""Draws the program icon, 32x32 and 16x16 in the 16 standard Windows colours, and writes
veltrano.ico beside this script: a blue tile with two opposite arrows, for switching
between connections. Run it again after changing the picture."""

import os
import struct

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, SILVER, BLUE, YELLOW, WHITE = 0, 4, 7, 12, 11, 15
TRANSPARENT = None


def rounded_tile(size, radius):
    """The tile: navy border, blue inside, transparent corners."""
    pixels = [[TRANSPARENT] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            dx = max(radius - x, x - (size - 1 - radius), 0)
            dy = max(radius - y, y - (size - 1 - radius), 0)
            distance = (dx * dx + dy * dy) ** 0.5
            if distance <= radius + 0.2:
                border = (x in (0, size - 1) or y in (0, size - 1)
                          or distance > radius - 0.8)
                pixels[y][x] = NAVY if border else BLUE
    return pixels


def arrow(pixels, colour, shaft, head, pointing_right):
    """shaft: (x0, x1, y0, y1) inclusive; head: (base_x, tip_x, centre_y, half_height)."""
    x0, x1, y0, y1 = shaft
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            pixels[y][x] = colour
    base, tip, centre, half = head
    step = 1 if pointing_right else -1
    length = abs(tip - base)
    for x in range(base, tip + step, step):
        reach = half * (length - abs(x - base)) / length
        for y in range(len(pixels)):
            if abs(y + 0.5 - centre) <= reach + 0.01:
                pixels[y][x] = colour


def picture(size):
    if size == 32:
        pixels = rounded_tile(32, 5)
        arrow(pixels, YELLOW, (6, 19, 9, 12), (19, 26, 11.0, 5.5), True)
        arrow(pixels, WHITE, (12, 25, 19, 22), (12, 5, 21.0, 5.5), False)
    else:
        pixels = rounded_tile(16, 2)
        arrow(pixels, YELLOW, (3, 8, 4, 5), (9, 12, 5.0, 2.5), True)
        arrow(pixels, WHITE, (7, 12, 10, 11), (6, 3, 11.0, 2.5), False)
    return pixels


def row_bytes(bits_per_row):
    return ((bits_per_row + 31) // 32) * 4


def bitmap(pixels):
    size = len(pixels)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    colour_rows = b''
    mask_rows = b''
    for y in reversed(range(size)):  # bottom-up
        colours = bytearray(row_bytes(size * 4))
        mask = bytearray(row_bytes(size))
        for x in range(size):
            index = pixels[y][x]
            if index is None:
                mask[x // 8] |= 0x80 >> (x % 8)
                index = BLACK
            colours[x // 2] |= index << (4 if x % 2 == 0 else 0)
        colour_rows += bytes(colours)
        mask_rows += bytes(mask)
    return header + palette + colour_rows + mask_rows


def icon(sizes):
    images = [bitmap(picture(size)) for size in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return out + b''.join(images)


if __name__ == '__main__':
    target = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'veltrano.ico')
    with open(target, 'wb') as file:
        file.write(icon([32, 16]))
