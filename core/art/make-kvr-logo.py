#!/usr/bin/env python3
"""Draws the main menu's logo, KvrLogo.bmp (104 x 101, 24-bit): a tooth with a
sparkle on a blue disc. Plain Python, so it needs nothing installed; run it again
after changing the drawing and commit the bitmap."""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "art"))
from bitmap import supersampled, write_bmp  # noqa: E402

W, H = 104, 101
FACE = (240, 240, 240)  # the window's face colour around the disc
SS = 4  # samples per pixel side


def crown(x, y):
    if (x - 40) ** 2 + (y - 33) ** 2 <= 15 ** 2 or (x - 64) ** 2 + (y - 33) ** 2 <= 15 ** 2:
        return True
    if 25 <= x <= 79 and 33 <= y <= 56:
        return True
    # rounded lower corners of the crown
    return 56 <= y <= 64 and (x - 33) ** 2 + (y - 56) ** 2 <= 8 ** 2 or \
        56 <= y <= 64 and (x - 71) ** 2 + (y - 56) ** 2 <= 8 ** 2 or \
        33 <= x <= 71 and 56 <= y <= 64


def root(x, y, top_x, tip_x):
    if not 56 <= y <= 88:
        return False
    t = (y - 56) / 32.0
    cx = top_x + (tip_x - top_x) * t
    half = 10.5 * (1 - t) + 3.5 * t
    if y > 84:  # round tip
        return (x - cx) ** 2 + (y - 84) ** 2 <= half ** 2
    return abs(x - cx) <= half


def tooth(x, y):
    return crown(x, y) or root(x, y, 38, 36) or root(x, y, 66, 68)


RING = [(2.4 * math.cos(a * math.pi / 8), 2.4 * math.sin(a * math.pi / 8)) for a in range(16)]


def tooth_inner(x, y):
    return tooth(x, y) and all(tooth(x + dx, y + dy) for dx, dy in RING)


def sparkle(x, y, cx, cy, r):
    dx, dy = abs(x - cx), abs(y - cy)
    # a four-pointed star: |dx|^0.5 + |dy|^0.5 <= r^0.5
    return math.sqrt(dx) + math.sqrt(dy) <= math.sqrt(r)


def colour(x, y):
    d = math.hypot(x - 52, y - 50.5)
    if d > 49:
        return FACE
    if d > 47:
        return (40, 80, 150)
    # disc: light at the top left, deeper blue at the bottom right
    t = min(1.0, max(0.0, (x + y) / 190.0))
    base = (int(170 - 70 * t), int(210 - 60 * t), int(245 - 25 * t))
    if sparkle(x, y, 84, 20, 9) or sparkle(x, y, 20, 78, 5):
        return (255, 236, 120)
    if tooth(x, y):
        if not tooth_inner(x, y):
            return (30, 60, 120)
        if (x - 44) ** 2 / 6.0 ** 2 + (y - 30) ** 2 / 9.0 ** 2 <= 1:
            return (215, 235, 255)  # gloss on the crown
        return (255, 255, 255)
    return base


if __name__ == "__main__":
    write_bmp(os.path.join(os.path.dirname(os.path.abspath(__file__)), "KvrLogo.bmp"), W, H,
              supersampled(colour, SS))
