#!/usr/bin/env python3
"""Draws VexaKito's pictures as 16-colour BMP files: the about banner, the splash and the
27 frames of the running window's animation.

The build uses the committed .bmp files; run this again only to change a drawing:
    python3 kito/pictures/draw_pictures.py
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

PALETTE = [
    (0, 0, 0), (255, 255, 255), (240, 240, 240), (160, 160, 160),
    (20, 40, 110), (60, 100, 190), (140, 180, 240), (230, 140, 20),
]
BLACK, WHITE, FACE, SHADOW, NAVY, BLUE, SKY, ORANGE = range(len(PALETTE))


class Canvas:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def dot(self, x, y, colour):
        x, y = int(round(x)), int(round(y))
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.pixels[y][x] = colour

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(int(steps) + 1):
            t = i / steps
            for w in range(width):
                self.dot(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t + w, colour)

    def gear(self, cx, cy, radius, teeth, colour):
        for step in range(720):
            angle = math.pi * step / 360
            tooth = (step * teeth // 720) % 2 == 0
            r = radius + (3 if tooth else 0)
            self.dot(cx + r * math.cos(angle), cy + r * math.sin(angle), colour)
            self.dot(cx + radius * 0.4 * math.cos(angle), cy + radius * 0.4 * math.sin(angle), colour)

    def save(self, name):
        row_bytes = ((self.width + 1) // 2 + 3) // 4 * 4
        palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE + [(0, 0, 0)] * (16 - len(PALETTE)))
        rows = []
        for y in reversed(range(self.height)):
            row = bytearray(row_bytes)
            for x, colour in enumerate(self.pixels[y]):
                row[x // 2] |= colour << (0 if x % 2 else 4)
            rows.append(bytes(row))
        image = b''.join(rows)
        offset = 14 + 40 + len(palette)
        header = struct.pack('<2sIHHI', b'BM', offset + len(image), 0, 0, offset)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 4, 0, len(image), 3780, 3780, 16, 0)
        with open(os.path.join(HERE, name), 'wb') as out:
            out.write(header + info + palette + image)


def banner(width, height):
    """The product's mark: a gear beside a drafting chevron, over a band of blue."""
    canvas = Canvas(width, height, NAVY)
    canvas.fill(0, height - height // 5, width, height, BLUE)
    size = height * 0.3
    canvas.gear(height * 0.55, height * 0.45, size, 12, SKY)
    left = int(height * 1.1)
    canvas.line(left, height * 0.2, left + size, height * 0.75, WHITE, 3)
    canvas.line(left + size, height * 0.75, left + 2 * size, height * 0.2, WHITE, 3)
    for i in range(4):
        y = int(height * (0.25 + 0.15 * i))
        canvas.line(left + 2.6 * size, y, width - height * 0.4 - i * size, y, SKY if i % 2 else WHITE)
    canvas.line(0, height - height // 5, width, height - height // 5, ORANGE, 2)
    return canvas


def animation_frame(index, count, width, height):
    """A block that walks along the bar; frame `index` of `count`."""
    canvas = Canvas(width, height, FACE)
    canvas.line(0, 0, width - 1, 0, SHADOW)
    canvas.line(0, height - 1, width - 1, height - 1, WHITE)
    block = width // 8
    left = index * (width - block) // (count - 1)
    canvas.fill(left, 2, left + block, height - 2, BLUE)
    trail = max(0, left - block // 2)
    canvas.fill(trail, 3, left, height - 3, SKY)
    return canvas


def main():
    banner(476, 75).save('about.bmp')
    splash = banner(180, 65)
    splash.line(0, 0, 179, 0, SKY)
    splash.line(0, 64, 179, 64, SKY)
    splash.save('welcome.bmp')
    for index in range(27):
        animation_frame(index, 27, 270, 10).save('running_%02d.bmp' % (index + 1))


if __name__ == '__main__':
    main()
