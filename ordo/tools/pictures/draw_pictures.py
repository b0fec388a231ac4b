#!/usr/bin/env python3
"""Draws VexaOrdo's dialog pictures as 24-bit BMP files.

Tool pictures are white line drawings on black; the views check marks are red on the dialog face.
The build uses the committed .bmp files; run this again only to change a drawing:
    python3 ordo/tools/pictures/draw_pictures.py
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = HERE
VIEWS = os.path.join(HERE, '..', '..', 'views', 'pictures')

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
RED = (220, 0, 0)
FACE = (240, 240, 240)
SHADOW = (160, 160, 160)
BLUE = (0, 0, 160)


class Canvas:
    def __init__(self, width, height, background=BLACK, ink=WHITE):
        self.width, self.height, self.ink = width, height, ink
        self.pixels = [[background] * width for _ in range(height)]

    def dot(self, x, y, colour=None):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour or self.ink

    def line(self, x0, y0, x1, y1, dash=None, colour=None):
        """A line; dash (on, off) in pixels draws it dashed."""
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(int(round(steps)) + 1):
            if dash and i % sum(dash) >= dash[0]:
                continue
            t = i / steps
            self.dot(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, colour)

    def polyline(self, points, closed=False, dash=None):
        pairs = list(zip(points, points[1:] + (points[:1] if closed else [])))
        for (x0, y0), (x1, y1) in pairs:
            self.line(x0, y0, x1, y1, dash)

    def rect(self, x0, y0, x1, y1, dash=None):
        self.polyline([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], closed=True, dash=dash)

    def arc(self, cx, cy, r, start=0, end=360, dash=None, colour=None):
        steps = max(int(abs(end - start) * r / 20), 24)
        for i in range(steps + 1):
            if dash and i % sum(dash) >= dash[0]:
                continue
            a = math.radians(start + (end - start) * i / steps)
            self.dot(cx + r * math.cos(a), cy - r * math.sin(a), colour)

    def centre_line(self, x0, y0, x1, y1):
        self.line(x0, y0, x1, y1, dash=(6, 2))

    def hatch(self, inside, spacing=5):
        """Section hatching at 45 degrees over the pixels for which inside(x, y) holds."""
        for y in range(self.height):
            for x in range(self.width):
                if (x + y) % spacing == 0 and inside(x, y):
                    self.dot(x, y)

    def text(self, x, y, word, background=BLACK):
        """A word in a small capital font, on a cleared box so that no line runs through it."""
        width = sum(len(FONT[letter][0]) + 1 for letter in word) + 1
        for row in range(-1, 6):
            for column in range(-1, width):
                self.dot(x + column, y + row, background)
        for letter in word:
            for row, bits in enumerate(FONT[letter]):
                for column, bit in enumerate(bits):
                    if bit == '#':
                        self.dot(x + column, y + row)
            x += len(FONT[letter][0]) + 1

    def save(self, folder, name):
        row_bytes = (self.width * 3 + 3) & ~3
        data = bytearray()
        for row in reversed(self.pixels):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            data += line + bytes(row_bytes - len(line))
        header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, name + '.bmp'), 'wb') as out:
            out.write(header + info + data)


FONT = {
    'P': ['##.', '#.#', '##.', '#..', '#..'],
    'I': ['###', '.#.', '.#.', '.#.', '###'],
    'N': ['#..#', '##.#', '#.##', '#..#', '#..#'],
}


def polygon_contains(points, x, y):
    inside = False
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
            inside = not inside
    return inside


# Fasteners, side views, 50 x 50

def threaded_shank(c, left, right, top, bottom, thread_from):
    c.polyline([(left, top), (left, bottom - 2), (left + 2, bottom), (right - 2, bottom), (right, bottom - 2), (right, top)])
    c.line(left + 2, thread_from, left + 2, bottom)
    c.line(right - 2, thread_from, right - 2, bottom)
    c.line(left, thread_from, right, thread_from)


def bolt_cap_screw():
    c = Canvas(50, 50)
    c.rect(14, 4, 35, 16)
    c.line(14, 6, 35, 6)
    threaded_shank(c, 19, 30, 16, 46, 28)
    c.centre_line(24.5, 1, 24.5, 49)
    return c


def bolt_nut():
    c = Canvas(50, 50)
    c.polyline([(10, 16), (39, 16), (41, 18), (41, 31), (39, 33), (10, 33), (8, 31), (8, 18)], closed=True)
    c.line(18, 16, 18, 33)
    c.line(31, 16, 31, 33)
    c.arc(14, 12, 5, 230, 310)
    c.arc(35, 12, 5, 230, 310)
    c.arc(14, 37, 5, 50, 130)
    c.arc(35, 37, 5, 50, 130)
    c.centre_line(24.5, 10, 24.5, 39)
    return c


def bolt_hex_bolt():
    c = Canvas(50, 50)
    c.polyline([(12, 4), (37, 4), (39, 6), (39, 14), (10, 14), (10, 6)], closed=True)
    c.line(18, 4, 18, 14)
    c.line(31, 4, 31, 14)
    threaded_shank(c, 19, 30, 14, 46, 30)
    c.centre_line(24.5, 1, 24.5, 49)
    return c


def bolt_countersunk():
    c = Canvas(50, 50)
    c.polyline([(19, 16), (10, 6), (10, 4), (39, 4), (39, 6), (30, 16)])
    c.line(10, 6, 39, 6)
    threaded_shank(c, 19, 30, 16, 46, 28)
    c.centre_line(24.5, 1, 24.5, 49)
    return c


def bolt_set_screw():
    c = Canvas(50, 50)
    c.polyline([(22, 6), (22, 10), (27, 10), (27, 6)])
    c.polyline([(22, 6), (19, 6), (17, 8), (17, 40), (21, 45), (28, 45), (32, 40), (32, 8), (30, 6), (27, 6)])
    c.line(19, 8, 19, 40)
    c.line(30, 8, 30, 40)
    c.centre_line(24.5, 2, 24.5, 48)
    return c


# Drilled holes, in section, 50 x 50: the part is hatched around the hole's outline

PART = (4, 8, 45, 46)


def section(hole, extra=None):
    c = Canvas(50, 50)
    left, top, right, bottom = PART
    c.line(left, top, right, top)
    c.line(left, bottom, right, bottom)
    c.line(left, top, left, bottom, dash=(3, 2))
    c.line(right, top, right, bottom, dash=(3, 2))
    c.hatch(lambda x, y: left < x < right and top < y < bottom and not polygon_contains(hole, x + 0.5, y + 0.5))
    c.polyline(hole, closed=False)
    c.centre_line(24.5, 2, 24.5, 49)
    if extra:
        extra(c)
    return c


def drill_blind():
    return section([(18, 8), (18, 34), (24.5, 41), (31, 34), (31, 8)])


def drill_pin():
    return section([(18, 8), (18, 36), (31, 36), (31, 8)], lambda c: c.text(19, 20, 'PIN'))


def drill_counterbored():
    return section([(13, 8), (13, 18), (18, 18), (18, 46), (31, 46), (31, 18), (36, 18), (36, 8)])


def drill_countersunk():
    return section([(11, 8), (18, 15), (18, 46), (31, 46), (31, 15), (38, 8)])


def drill_tapped():
    def thread(c):
        c.line(16, 8, 16, 30)
        c.line(33, 8, 33, 30)
    return section([(18, 8), (18, 36), (24.5, 42), (31, 36), (31, 8)], thread)


def drill_view_top():
    c = Canvas(50, 50)
    c.arc(24.5, 24.5, 11)
    c.centre_line(6, 24.5, 43, 24.5)
    c.centre_line(24.5, 6, 24.5, 43)
    return c


def drill_view_front():
    return drill_blind()


def drill_view_bottom():
    c = Canvas(50, 50)
    c.arc(24.5, 24.5, 11, dash=(4, 3))
    c.centre_line(6, 24.5, 43, 24.5)
    c.centre_line(24.5, 6, 24.5, 43)
    return c


# Cylinders: each series by its proportions (body, end covers, rod), side and end views

SERIES = {
    # body length and height, cover width and extra height, rod length and diameter, round body
    'cdas': dict(body=44, height=26, cover=0, lip=0, rod=20, rod_d=6, round=False),
    'ndas': dict(body=50, height=14, cover=4, lip=1, rod=18, rod_d=4, round=True),
    'dab': dict(body=40, height=22, cover=8, lip=3, rod=20, rod_d=6, round=False),
    'pbda': dict(body=54, height=16, cover=5, lip=1, rod=22, rod_d=4, round=True),
}


def side_view(c, s, left, mid, ports):
    body, height, cover, lip = s['body'], s['height'], s['cover'], s['lip']
    top, bottom = mid - height / 2, mid + height / 2
    right = left + body
    c.rect(left + cover, top, right - cover, bottom)
    if cover:
        c.rect(left, top - lip, left + cover, bottom + lip)
        c.rect(right - cover, top - lip, right, bottom + lip)
    rod_top, rod_bottom = mid - s['rod_d'] / 2, mid + s['rod_d'] / 2
    rod_end = right + s['rod']
    c.polyline([(right, rod_top), (rod_end, rod_top), (rod_end, rod_bottom), (right, rod_bottom)])
    c.line(rod_end - 6, rod_top + 1, rod_end - 6, rod_bottom - 1)
    if ports:
        for x in (left + cover + 4, right - cover - 8):
            c.rect(x, top - 3, x + 4, top)
    c.centre_line(left - 3, mid, rod_end + 3, mid)


def end_view(c, s, rod_side):
    cx, cy = c.width / 2 - 0.5, c.height / 2 - 0.5
    half = s['height'] / 2 + s['lip']
    if s['round']:
        c.arc(cx, cy, half)
    else:
        c.rect(cx - half, cy - half, cx + half, cy + half)
        for dx in (-1, 1):
            for dy in (-1, 1):
                c.arc(cx + dx * (half - 4), cy + dy * (half - 4), 1.5)
    if rod_side:
        c.arc(cx, cy, s['rod_d'] / 2)
        c.arc(cx, cy, s['rod_d'] / 2 - 1.5)
    else:
        c.arc(cx, cy, s['rod_d'] / 2 + 2, dash=(3, 2))
    c.centre_line(cx - half - 4, cy, cx + half + 4, cy)
    c.centre_line(cx, cy - half - 4 if cy - half - 4 > 0 else 0, cx, min(cy + half + 4, c.height - 1))


def series_picture(s):
    c = Canvas(96, 40)
    side_view(c, s, 8, 20, ports=True)
    return c


def cylinder_view(s, view):
    c = Canvas(64, 40)
    if view in ('top', 'front'):
        scale = dict(s, body=s['body'] * 0.7, rod=s['rod'] * 0.7)
        side_view(c, scale, 5, 20, ports=view == 'front')
        if view == 'top':
            for x in (5 + s['cover'] + 4, 5 + scale['body'] - s['cover'] - 8):
                c.arc(x + 2, 20, 2)
    else:
        end_view(c, s, rod_side=view == 'right')
    return c


# Views check marks, red on the dialog face, 24 x 24

def mark(draw):
    c = Canvas(24, 24, background=FACE, ink=RED)
    draw(c)
    return c


def free_node_mark(c):
    c.rect(4, 4, 19, 19)
    c.line(4, 4, 19, 19)
    c.line(19, 4, 4, 19)


def non_projected_mark(c):
    c.arc(11.5, 11.5, 8)
    c.line(6, 6, 17, 17)
    c.line(17, 6, 6, 17)


def triangle_mark(c):
    c.polyline([(12, 3), (21, 20), (3, 20)], closed=True)


def cross_mark(c):
    for offset in (0, 1):
        c.line(4 + offset, 4, 19 + offset, 19)
        c.line(19 + offset, 4, 4 + offset, 19)


def qmark(pressed):
    c = Canvas(20, 20, background=FACE, ink=BLUE)
    light, dark = (SHADOW, WHITE) if pressed else (WHITE, SHADOW)
    c.line(0, 0, 19, 0, colour=light)
    c.line(0, 0, 0, 19, colour=light)
    c.line(19, 0, 19, 19, colour=dark)
    c.line(0, 19, 19, 19, colour=dark)
    shift = 1 if pressed else 0
    c.arc(10 + shift, 7 + shift, 3.5, -90, 180)
    c.line(10 + shift, 10.5 + shift, 10 + shift, 12 + shift)
    c.dot(10 + shift, 15 + shift)
    return c


def main():
    for name, draw in [('bolt_cap_screw', bolt_cap_screw), ('bolt_nut', bolt_nut), ('bolt_hex_bolt', bolt_hex_bolt),
                       ('bolt_countersunk', bolt_countersunk), ('bolt_set_screw', bolt_set_screw),
                       ('drill_blind', drill_blind), ('drill_pin', drill_pin), ('drill_counterbored', drill_counterbored),
                       ('drill_countersunk', drill_countersunk), ('drill_tapped', drill_tapped),
                       ('drill_view_top', drill_view_top), ('drill_view_front', drill_view_front),
                       ('drill_view_bottom', drill_view_bottom)]:
        draw().save(TOOLS, name)
    for series, proportions in SERIES.items():
        series_picture(proportions).save(TOOLS, 'series_' + series)
        for view in ('top', 'front', 'left', 'right'):
            cylinder_view(proportions, view).save(TOOLS, 'cylinder_%s_%s' % (series, view))
    for name, draw in [('free_node_mark', free_node_mark), ('non_projected_mark', non_projected_mark),
                       ('triangle_mark', triangle_mark), ('cross_mark', cross_mark)]:
        mark(draw).save(VIEWS, name)
    qmark(False).save(VIEWS, 'qmark_up')
    qmark(True).save(VIEWS, 'qmark_down')


if __name__ == '__main__':
    main()
