#!/usr/bin/env python3
"""Draws the views dialog's pictures as 24-bit BMP files: a block with a drilled hole seen in each
of the eleven views, once with dashed hidden lines and once without.

The build uses the committed .bmp files; run this again only to change a drawing:
    python3 solid3d/pictures/draw_views.py
"""
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, '..', '..', 'ordo', 'tools', 'pictures'))
from draw_pictures import Canvas  # noqa: E402

WIDTH, HEIGHT = 64, 44
DASH = (3, 2)
# The block (x, y, z half sizes) and its vertical hole's radius.
HALF = (1.5, 1.0, 0.75)
HOLE = 0.45

# Name, viewing direction (from the part towards the eye), in bit order.
VIEWS = [('front', (0, -1, 0)), ('right', (1, 0, 0)), ('top', (0, 0, 1)), ('left', (-1, 0, 0)),
         ('bottom', (0, 0, -1)), ('rear_right', (0, 1, 0)), ('rear_below', (0, 1, 0)),
         ('iso_ne', (1, 1, 1)), ('iso_nw', (-1, 1, 1)), ('iso_sw', (-1, -1, 1)), ('iso_se', (1, -1, 1))]


def normalised(v):
    length = math.sqrt(sum(c * c for c in v))
    return tuple(c / length for c in v)


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return sum(x * y for x, y in zip(a, b))


def view_axes(direction):
    """The view's right and up axes: up is world Z, or world Y for views along Z."""
    d = normalised(direction)
    up = (0, 1, 0) if abs(d[2]) > 0.99 else (0, 0, 1)
    right = normalised(cross(up, d))
    return d, right, cross(d, right)


def picture(direction, hidden):
    d, right, up = view_axes(direction)
    c = Canvas(WIDTH, HEIGHT)
    scale = 13.0

    def at(p):
        return WIDTH / 2 + scale * dot(p, right), HEIGHT / 2 - scale * dot(p, up)

    corners = [(sx * HALF[0], sy * HALF[1], sz * HALF[2]) for sx in (-1, 1) for sy in (-1, 1) for sz in (-1, 1)]
    for i, a in enumerate(corners):
        for b in corners[i + 1:]:
            differing = [k for k in range(3) if a[k] != b[k]]
            if len(differing) != 1:
                continue
            shared = [(k, 1 if a[k] > 0 else -1) for k in range(3) if k != differing[0]]
            facing = [d[k] * s > 1e-9 for k, s in shared]
            grazing = all(abs(d[k]) < 1e-9 for k, _ in shared)
            if any(facing) or grazing:
                c.line(*at(a), *at(b))
            elif hidden:
                c.line(*at(a), *at(b), dash=DASH)
    # The hole: its rims on the top and bottom faces, its wall's outline where it is seen side on.
    for z in (HALF[2], -HALF[2]):
        rim_seen = d[2] * z > 1e-9
        if abs(d[2]) < 1e-9:
            continue
        if rim_seen or hidden:
            steps = 48
            points = [at((HOLE * math.cos(2 * math.pi * k / steps), HOLE * math.sin(2 * math.pi * k / steps), z))
                      for k in range(steps + 1)]
            for k, (p, q) in enumerate(zip(points, points[1:])):
                if rim_seen or k % 2 == 0:
                    c.line(*p, *q)
    if hidden:
        side = normalised(cross((0, 0, 1), d)) if abs(d[2]) < 0.99 else None
        if side is not None:
            for s in (-1, 1):
                foot = tuple(s * HOLE * k for k in side)
                c.line(*at((foot[0], foot[1], -HALF[2])), *at((foot[0], foot[1], HALF[2])), dash=DASH)
    return c


def main():
    for name, direction in VIEWS:
        picture(direction, True).save(HERE, 'view_%s_hidden' % name)
        picture(direction, False).save(HERE, 'view_%s' % name)


if __name__ == '__main__':
    main()
