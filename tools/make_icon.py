#!/usr/bin/env python3
"""Draws the program's window icon: a small camera, as a 32x32 image in 16
colours and one in 256 colours. Run it to regenerate programs/vdrcam/vdrcam.ico."""
import math
import struct
import sys

SIZE = 32

# The 16 standard colours; the 256-colour image uses them plus a grey ramp
# and a blue ramp for the lens.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def shade(x, y):
    """The camera as (r, g, b) or None for transparent."""
    cx, cy = 16.5, 18.0
    # flash housing on top
    if 7 <= x <= 13 and 6 <= y <= 9:
        return (64, 64, 64)
    # body with rounded corners
    if 3 <= x <= 28 and 9 <= y <= 26:
        corner = (x in (3, 28)) and (y in (9, 26))
        if corner:
            return None
        d = math.hypot(x - cx, y - cy)
        if d <= 7.5:
            if d <= 2.0 and x < cx and y < cy:
                return (255, 255, 255)   # highlight
            if d <= 5.5:
                t = d / 5.5
                return (int(30 + 40 * t), int(60 + 80 * t), int(150 + 90 * t))
            return (20, 20, 20)          # lens ring
        if 23 <= x <= 25 and 11 <= y <= 12:
            return (255, 0, 0)           # recording light
        edge = y == 9 or y == 26 or x == 3 or x == 28
        return (40, 40, 40) if edge else (110, 110, 110)
    return None


def nearest(palette, colour):
    return min(range(len(palette)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(palette[i], colour)))


def image(bits, palette):
    pixels = [[shade(x, y) for x in range(SIZE)] for y in range(SIZE)]
    stride = ((SIZE * bits + 31) // 32) * 4
    xor = bytearray()
    for y in reversed(range(SIZE)):
        row = bytearray(stride)
        for x in range(SIZE):
            colour = pixels[y][x]
            index = 0 if colour is None else nearest(palette, colour)
            if bits == 4:
                row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            else:
                row[x] = index
        xor += row
    mask_stride = 4
    mask = bytearray()
    for y in reversed(range(SIZE)):
        row = bytearray(mask_stride)
        for x in range(SIZE):
            if pixels[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    colours = len(palette)
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0, colours, 0)
    table = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in palette)
    return header + table + bytes(xor) + bytes(mask)


def main(path):
    palette256 = list(VGA)
    palette256 += [(v, v, v) for v in range(0, 256, 8)]
    palette256 += [(int(30 + 40 * t / 31), int(60 + 80 * t / 31), int(150 + 90 * t / 31))
                   for t in range(32)]
    palette256 += [(20, 20, 20), (40, 40, 40), (64, 64, 64), (110, 110, 110)]
    palette256 += [(0, 0, 0)] * (256 - len(palette256))
    images = [(16, 4, image(4, VGA)), (0, 8, image(8, palette256))]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for colours, bits, data in images:
        out += struct.pack('<BBBBHHII', SIZE, SIZE, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    for _, _, data in images:
        out += data
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'programs/vdrcam/vdrcam.ico')
