#!/usr/bin/env python3
"""Draws Prompt.bmp (90 x 120, 24-bit), the picture a new examinee shows until a photo
is chosen: a grey head-and-shoulders outline in a dashed frame, with a small camera
below, telling the operator to click it for a photo. Plain Python, so it needs nothing
installed; run it again after changing the drawing and commit the bitmap."""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "art"))
from bitmap import supersampled, write_bmp  # noqa: E402

W, H = 90, 120
PAPER = (250, 250, 250)
FRAME = (150, 150, 150)
FIGURE = (200, 205, 212)
CAMERA = (110, 115, 125)
SS = 4  # samples per pixel side


def head(x, y):
    return (x - 45) ** 2 / 15.0 ** 2 + (y - 38) ** 2 / 18.0 ** 2 <= 1


def shoulders(x, y):
    # the upper half of a wide ellipse, cut at the bottom of the figure
    return y >= 58 and y <= 92 and (x - 45) ** 2 / 32.0 ** 2 + (y - 92) ** 2 / 34.0 ** 2 <= 1


def camera(x, y):
    body = 33 <= x <= 57 and 100 <= y <= 113
    top = 40 <= x <= 50 and 97 <= y <= 100
    lens = (x - 45) ** 2 + (y - 106.5) ** 2 <= 4.5 ** 2
    lens_inner = (x - 45) ** 2 + (y - 106.5) ** 2 <= 2.5 ** 2
    return (body or top) and not (lens and not lens_inner)


def frame(x, y):
    on_edge = (3 <= x <= 4 or W - 5 <= x <= W - 4) and 3 <= y <= H - 4 or \
        (3 <= y <= 4 or H - 5 <= y <= H - 4) and 3 <= x <= W - 4
    return on_edge and ((x + y) // 4) % 2 == 0


def colour(x, y):
    if frame(int(x), int(y)):
        return FRAME
    if camera(x, y):
        return CAMERA
    if head(x, y) or shoulders(x, y):
        return FIGURE
    return PAPER


if __name__ == "__main__":
    write_bmp(os.path.join(os.path.dirname(os.path.abspath(__file__)), "Prompt.bmp"), W, H,
              supersampled(colour, SS))
