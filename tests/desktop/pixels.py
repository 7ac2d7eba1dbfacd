#!/usr/bin/env python3
"""Checks pixels of a screen in an xwd grab.

Usage: pixels.py GRAB LEFT TOP WIDTH HEIGHT X Y RRGGBB [X Y RRGGBB]...

LEFT TOP WIDTH HEIGHT is the screen's client area in the grab (a width and height of 0: the
whole grab, when it is of the screen's own window); X Y are points of the
screen's design (pixels at scale 1, the screen 792 x 529), scaled and centred in that
area as the screen lays itself out. Prints every pixel that differs; exits 1 if any does.
"""
import struct
import sys

DESIGN_WIDTH, DESIGN_HEIGHT = 792, 529


def shift(mask):
    return (mask & -mask).bit_length() - 1


def main(argv):
    grab, left, top, width, height = argv[1], *map(int, argv[2:6])
    points = argv[6:]
    if not points or len(points) % 3:
        sys.exit("pixels.py: points come in threes: X Y RRGGBB")
    data = open(grab, "rb").read()
    (header, _, _, _, grab_width, grab_height, _, order, _, _, _, bpp, line, _,
     rmask, gmask, bmask, _, _, colours) = struct.unpack(">20I", data[:80])
    pixels = data[header + 12 * colours:]
    if width == 0 and height == 0:
        width, height = grab_width, grab_height
    s = min(width / DESIGN_WIDTH, height / DESIGN_HEIGHT)
    left += (width - round(DESIGN_WIDTH * s)) // 2
    top += (height - round(DESIGN_HEIGHT * s)) // 2
    wrong = 0
    for i in range(0, len(points), 3):
        x, y = round(int(points[i]) * s) + left, round(int(points[i + 1]) * s) + top
        if not (0 <= x < grab_width and 0 <= y < grab_height):
            print(f"     pixel {points[i]},{points[i + 1]} (at {x},{y}) lies outside the {grab_width}x{grab_height} grab")
            wrong += 1
            continue
        at = y * line + x * bpp // 8
        v = int.from_bytes(pixels[at:at + bpp // 8], "little" if order == 0 else "big")
        got = "%02x%02x%02x" % tuple((v & m) >> shift(m) for m in (rmask, gmask, bmask))
        if got != points[i + 2].lower():
            print(f"     pixel {points[i]},{points[i + 1]} (at {x},{y}) is {got}, not {points[i + 2]}")
            wrong += 1
    return 1 if wrong else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
