#!/usr/bin/env python3
"""Draws the tool-button glyphs, menu icons and the status picture of the
main windows and writes them as BMP files beside this script.

The BMP files are committed; run this again after changing a picture:

    python3 coregui/pictures/draw_pictures.py [--preview DIR]

--preview also writes each picture eight times enlarged as PNG into DIR,
for looking at. The glyphs are 16 x 16; their bottom-left pixel holds the
background colour, which the program treats as transparent.
"""
import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

BACK = (255, 0, 255)  # transparent background of the glyphs
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
YELLOW = (255, 255, 0)
OCHRE = (192, 160, 0)
GOLD = (255, 208, 64)
BLUE = (0, 64, 224)
NAVY = (0, 0, 128)
SKY = (128, 192, 255)
RED = (224, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 160, 0)
DARKGREEN = (0, 96, 0)
BROWN = (160, 96, 32)
TAN = (224, 176, 112)
PINK = (255, 128, 160)


class Canvas:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]

    def set(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = color

    def dots(self, color, points):
        for x, y in points:
            self.set(x, y, color)

    def rect(self, x0, y0, x1, y1, color):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, color)

    def frame(self, x0, y0, x1, y1, color):
        for x in range(x0, x1 + 1):
            self.set(x, y0, color)
            self.set(x, y1, color)
        for y in range(y0, y1 + 1):
            self.set(x0, y, color)
            self.set(x1, y, color)

    def line(self, x0, y0, x1, y1, color):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, color)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def ring(self, cx, cy, r_in, r_out, color, keep=lambda angle: True):
        """Pixels whose centre lies between the radii (angle in degrees,
        0 to the right, counter-clockwise as on paper)."""
        for y in range(self.height):
            for x in range(self.width):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                a = math.degrees(math.atan2(cy - (y + 0.5), x + 0.5 - cx)) % 360
                if r_in <= d <= r_out and keep(a):
                    self.set(x, y, color)

    def disc(self, cx, cy, r, color):
        self.ring(cx, cy, -1, r, color)

    def polygon(self, points, color):
        """Fills the pixels whose centre lies inside the polygon."""
        for y in range(self.height):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for left, right in zip(xs[::2], xs[1::2]):
                for x in range(self.width):
                    if left <= x + 0.5 < right:
                        self.set(x, y, color)

    def art(self, x0, y0, rows, colors):
        """Pixel art: one character per pixel, '.' leaves the pixel alone."""
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != ".":
                    self.set(x0 + dx, y0 + dy, colors[ch])


def page(c, x0, y0, x1, y1, fold=3):
    """A sheet of paper with a folded top-right corner."""
    c.polygon([(x0, y0), (x1 + 1 - fold, y0), (x1 + 1, y0 + fold), (x1 + 1, y1 + 1), (x0, y1 + 1)], WHITE)
    c.line(x0, y0, x1 - fold, y0, BLACK)
    c.line(x0, y0, x0, y1, BLACK)
    c.line(x0, y1, x1, y1, BLACK)
    c.line(x1, y0 + fold, x1, y1, BLACK)
    c.line(x1 - fold, y0, x1, y0 + fold, BLACK)
    c.line(x1 - fold, y0, x1 - fold, y0 + fold, GREY)
    c.line(x1 - fold, y0 + fold, x1, y0 + fold, GREY)


def sparkle(c, x, y, color=YELLOW, centre=WHITE):
    for d in (1, 2):
        c.set(x - d, y, color)
        c.set(x + d, y, color)
        c.set(x, y - d, color)
        c.set(x, y + d, color)
    c.set(x, y, centre)


def glyph_neu():
    c = Canvas(16, 16, BACK)
    page(c, 2, 2, 11, 14)
    sparkle(c, 12, 3)
    return c


def glyph_oeffnen():
    c = Canvas(16, 16, BACK)
    # The back of the folder with its tab, then the open front flap.
    c.polygon([(0, 4), (1, 3), (5, 3), (6, 4), (13, 4), (13, 13), (0, 13)], OCHRE)
    c.line(1, 3, 5, 3, BLACK)
    c.line(5, 3, 6, 4, BLACK)
    c.line(6, 4, 13, 4, BLACK)
    c.line(0, 4, 0, 13, BLACK)
    c.line(13, 4, 13, 7, BLACK)
    c.polygon([(3, 7), (16, 7), (13, 14), (0, 14)], GOLD)
    c.line(3, 7, 15, 7, BLACK)
    c.line(15, 7, 12, 13, BLACK)
    c.line(3, 7, 0, 13, BLACK)
    c.line(0, 13, 12, 13, BLACK)
    return c


def glyph_assistent():
    c = Canvas(16, 16, BACK)
    # A wand from bottom left to top right, with a star at its tip.
    for t in range(9):
        x, y = 2 + t, 13 - t
        c.set(x, y, BLACK)
        c.set(x + 1, y, BLACK)
        c.set(x, y - 1, GREY if t < 8 else BLACK)
    c.dots(WHITE, [(11, 5), (12, 4), (11, 4)])
    sparkle(c, 12, 3)
    c.dots(YELLOW, [(8, 1), (15, 6), (14, 8), (6, 3)])
    return c


def glyph_bearbeiten():
    c = Canvas(16, 16, BACK)
    page(c, 1, 1, 10, 14)
    for y in (5, 7, 9, 11):
        c.line(3, y, 7, y, GREY)
    # A pencil lying from top right down to its point at the bottom left.
    for t in range(9):
        cx, cy = 13 - t, 2 + t
        body = PINK if t == 0 else (YELLOW if t < 7 else (TAN if t == 7 else BLACK))
        c.set(cx - 1, cy, BLACK if t < 7 else BACK)
        c.set(cx, cy, body)
        c.set(cx + 1, cy, body if t < 7 else BACK)
        c.set(cx + 2, cy, BLACK if t < 7 else BACK)
    c.dots(BLACK, [(13, 1), (14, 1), (6, 10), (4, 12)])
    c.set(5, 11, TAN)
    return c


def glyph_index():
    c = Canvas(16, 16, BACK)
    # Two arrows chasing each other round a circle: update.
    cx, cy = 8.0, 8.0
    keep = lambda a: not (60 <= a <= 120 or 240 <= a <= 300)
    c.ring(cx, cy, 3.6, 6.4, GREEN, keep)
    c.ring(cx, cy, 3.6, 4.4, DARKGREEN, keep)
    for end in (60, 240):
        t = math.radians(end)
        radial = (math.cos(t), -math.sin(t))
        ahead = (-math.sin(t), -math.cos(t))  # counter-clockwise on the screen
        inner = (cx + 2.2 * radial[0], cy + 2.2 * radial[1])
        outer = (cx + 7.8 * radial[0], cy + 7.8 * radial[1])
        tip = (cx + 5 * radial[0] + 4 * ahead[0], cy + 5 * radial[1] + 4 * ahead[1])
        c.polygon([inner, outer, tip], GREEN)
    return c


def glyph_quelltext():
    c = Canvas(16, 16, BACK)
    page(c, 1, 0, 11, 13)
    for y, (x0, x1, color) in zip(range(3, 12, 2), [(3, 6, BLUE), (4, 8, BLACK), (4, 7, RED), (3, 8, BLUE), (4, 6, BLACK)]):
        c.line(x0, y, x1, y, color)
    # A magnifier over the page's corner.
    c.disc(10.5, 9.5, 3.3, SKY)
    c.ring(10.5, 9.5, 2.6, 3.6, BLACK)
    c.set(9, 8, WHITE)
    for t in range(3):
        c.set(13 + t, 12 + t, BROWN)
        c.set(13 + t, 13 + t, MAROON)
    return c


def glyph_testen():
    c = Canvas(16, 16, BACK)
    # A globe: the web, where the search form is tried.
    c.disc(8, 8, 6.6, BLUE)
    c.art(3, 3, [
        "..GG......",
        ".GGGG..GG.",
        "GGGGG.GGGG",
        ".GGG...GG.",
        "..GG...G..",
        "...G......",
        "......GG..",
        ".....GGGG.",
        "......GG..",
    ], {"G": GREEN})
    c.ring(8, 8, 6.0, 7.1, NAVY)
    c.set(5, 4, SKY)
    return c


def glyph_status():
    c = Canvas(16, 16, BACK)
    c.rect(2, 1, 14, 14, WHITE)
    c.line(1, 1, 1, 14, BLACK)
    c.line(1, 14, 14, 14, BLACK)
    for x0, top, color in [(3, 9, RED), (6, 4, GREEN), (9, 7, BLUE), (12, 2, OCHRE)]:
        c.rect(x0, top, x0 + 1, 13, color)
        c.line(x0 + 2, top + 1, x0 + 2, 13, GREY)
    return c


def glyph_hilfe():
    c = Canvas(16, 16, BACK)
    c.disc(8, 8, 7, BLUE)
    c.ring(8, 8, 6.2, 7.2, NAVY)
    c.art(5, 3, [
        ".www.",
        "ww.ww",
        "...ww",
        "..ww.",
        "..w..",
        "..w..",
        ".....",
        "..w..",
    ], {"w": WHITE})
    c.set(8, 4, WHITE)
    return c


def glyph_beenden():
    c = Canvas(16, 16, BACK)
    # An open door with an arrow pointing out of it.
    c.rect(1, 1, 8, 14, BLACK)
    c.rect(2, 2, 7, 14, WHITE)
    c.polygon([(2, 3), (6, 1), (6, 16), (2, 15)], BROWN)
    c.set(5, 8, YELLOW)
    c.line(2, 15, 6, 15, BACK)
    c.rect(1, 15, 8, 15, BACK)
    c.line(1, 14, 8, 14, BLACK)
    c.polygon([(8, 7), (12, 7), (12, 4), (16, 8), (12, 12), (12, 9), (8, 9)], RED)
    return c


def status_picture():
    """The picture beside the status pages: index cards under a magnifier
    on a blue ground."""
    w, h = 150, 356
    c = Canvas(w, h, BLACK)
    steps = 48
    for y in range(h):
        t = (y * steps // h) / (steps - 1)
        color = (int(10 + 120 * t), int(40 + 140 * t), int(110 + 120 * t))
        c.rect(0, y, w - 1, y, color)
    # A stack of pages with lines of text.
    for k, (x0, y0) in enumerate([(34, 40), (26, 50), (18, 60)]):
        c.rect(x0 + 3, y0 + 3, x0 + 93, y0 + 123, (0, 20, 60))
        c.rect(x0, y0, x0 + 90, y0 + 120, WHITE)
        c.frame(x0, y0, x0 + 90, y0 + 120, GREY)
    for i, y in enumerate(range(72, 176, 8)):
        length = [60, 48, 66, 40, 58, 30, 64, 52, 44, 62, 36, 56, 50][i % 13]
        c.rect(28, y, 28 + length, y + 2, (60, 60, 60) if i % 4 else (0, 64, 200))
    # A magnifier lying over the pages.
    cx, cy = 96.0, 166.0
    c.disc(cx, cy, 30, (200, 228, 255))
    c.ring(cx, cy, 30, 37, (40, 40, 40))
    c.ring(cx, cy, 31, 34, (120, 120, 120))
    c.polygon([(84, 150), (92, 146), (100, 152), (88, 158)], WHITE)
    for t in range(42):
        x, y = int(cx + 26 + t * 0.7), int(cy + 26 + t * 0.7)
        c.rect(x - 5, y - 5, x + 5, y + 5, (110, 60, 20))
    # The keyword index: rows of small cards, a few of them marked.
    for row in range(6):
        for col in range(5):
            x0, y0 = 14 + col * 25, 232 + row * 19
            marked = (row * 5 + col) % 7 == 3
            c.rect(x0 + 2, y0 + 2, x0 + 21, y0 + 14, (0, 30, 80))
            c.rect(x0, y0, x0 + 19, y0 + 12, (255, 230, 120) if marked else (235, 240, 250))
            c.rect(x0 + 3, y0 + 4, x0 + 14 - (row + col) % 4 * 2, y0 + 5, (80, 80, 80))
            c.rect(x0 + 3, y0 + 8, x0 + 10, y0 + 9, (150, 150, 150))
    return c


GLYPHS = {
    "glyph_assistent": glyph_assistent,
    "glyph_neu": glyph_neu,
    "glyph_oeffnen": glyph_oeffnen,
    "glyph_bearbeiten": glyph_bearbeiten,
    "glyph_index": glyph_index,
    "glyph_quelltext": glyph_quelltext,
    "glyph_testen": glyph_testen,
    "glyph_status": glyph_status,
    "glyph_hilfe": glyph_hilfe,
    "glyph_beenden": glyph_beenden,
}


def bmp_bytes(c):
    """A bottom-up BMP: 8 bits with a palette when the picture has at most
    256 colours, else 24 bits."""
    colors = sorted({p for row in c.px for p in row})
    # A palette costs 1 KB: worth it only for larger pictures.
    indexed = len(colors) <= 256 and c.width * c.height > 1024
    if indexed:
        index = {color: i for i, color in enumerate(colors)}
        stride = (c.width + 3) & ~3
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colors) + b"\0" * 4 * (256 - len(colors))
        rows = [bytes(index[p] for p in row) + b"\0" * (stride - c.width) for row in c.px]
        bits = 8
    else:
        stride = (c.width * 3 + 3) & ~3
        palette = b""
        rows = [b"".join(bytes((b, g, r)) for r, g, b in row) + b"\0" * (stride - c.width * 3) for row in c.px]
        bits = 24
    data = b"".join(reversed(rows))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height, 1, bits, 0, len(data), 2835, 2835,
                       256 if indexed else 0, 0)
    return header + info + palette + data


def png_bytes(c, scale):
    raw = b""
    for row in c.px:
        line = b"".join(bytes(p) * scale for p in row)
        raw += (b"\0" + line) * scale
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    ihdr = struct.pack(">IIBBBBB", c.width * scale, c.height * scale, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b"")


def main(argv):
    preview = None
    if len(argv) == 2 and argv[0] == "--preview":
        preview = argv[1]
        os.makedirs(preview, exist_ok=True)
    elif argv:
        sys.exit(__doc__)
    pictures = {name: draw() for name, draw in GLYPHS.items()}
    for name, c in pictures.items():
        assert (c.width, c.height) == (16, 16), name
        assert c.px[15][0] == BACK, name + ": the bottom-left pixel must be the background"
    pictures["statusbild"] = status_picture()
    for name, c in pictures.items():
        with open(os.path.join(HERE, name + ".bmp"), "wb") as f:
            f.write(bmp_bytes(c))
        if preview:
            with open(os.path.join(preview, name + ".png"), "wb") as f:
                f.write(png_bytes(c, 8 if c.width == 16 else 2))


if __name__ == "__main__":
    main(sys.argv[1:])
