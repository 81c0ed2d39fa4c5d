#!/usr/bin/env python3
"""Draws the ten 16x16 pictures of the folder, drive and file lists and
writes them beside this script as 24-bit BMP files (the resource script
fsctl/pictures.rc takes them from here). Run it again after a change and
commit the BMP files with it; the build does not need Python.

The bottom-left pixel of every picture is the colour the lists draw as
transparent, so it must stay the background colour."""
import os
import struct

SIZE = 16
BACK = (255, 0, 255)

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
GREY = (128, 128, 128)
SILVER = (192, 192, 192)
DARK = (64, 64, 64)
YELLOW = (255, 224, 96)
OCHRE = (176, 128, 0)
PALE = (255, 240, 176)
NAVY = (0, 0, 128)
BLUE = (0, 96, 208)
GREEN = (0, 160, 0)
DGREEN = (0, 96, 0)
RED = (208, 0, 0)


class Canvas:
    def __init__(self):
        self.px = [[BACK] * SIZE for _ in range(SIZE)]  # px[y][x], y=0 at the top

    def dot(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.px[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.dot(x, y0, c)
            self.dot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.dot(x0, y, c)
            self.dot(x1, y, c)

    def box(self, x0, y0, x1, y1, inside, edge):
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.dot(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), c)

    def disc(self, cx, cy, r, c):
        for y in range(SIZE):
            for x in range(SIZE):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.dot(x, y, c)

    def write_bmp(self, path):
        row = SIZE * 3
        pad = (4 - row % 4) % 4
        data = bytearray()
        for y in range(SIZE - 1, -1, -1):  # bottom-up
            for x in range(SIZE):
                r, g, b = self.px[y][x]
                data += bytes((b, g, r))
            data += b"\0" * pad
        header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
        offset = 14 + len(header)
        with open(path, "wb") as f:
            f.write(b"BM" + struct.pack("<IHHI", offset + len(data), 0, 0, offset))
            f.write(header)
            f.write(data)


def closed_folder(c):
    c.box(1, 3, 6, 5, YELLOW, OCHRE)  # tab
    c.box(1, 4, 14, 13, YELLOW, OCHRE)
    c.line(2, 6, 13, 6, PALE)


def open_folder(c, sheet=False):
    c.box(1, 3, 6, 5, YELLOW, OCHRE)
    c.box(1, 4, 13, 13, YELLOW, OCHRE)
    if sheet:
        c.box(4, 2, 11, 9, WHITE, GREY)
        c.line(5, 4, 10, 4, BLUE)
        c.line(5, 6, 10, 6, BLUE)
    # The front flap, opened towards the viewer.
    for i, y in enumerate(range(8, 14)):
        c.line(3 - i // 3, y, 15 - i // 2, y, PALE)
    c.line(4, 7, 15, 7, OCHRE)
    c.line(15, 7, 12, 13, OCHRE)
    c.line(1, 13, 12, 13, OCHRE)


def drive_body(c):
    c.box(0, 7, 15, 12, SILVER, DARK)
    c.line(1, 8, 14, 8, WHITE)
    c.line(2, 10, 9, 10, GREY)


def floppy(c):
    c.box(2, 1, 13, 14, NAVY, BLACK)
    c.box(5, 1, 10, 5, SILVER, DARK)  # shutter
    c.fill(8, 2, 9, 4, NAVY)
    c.box(4, 8, 11, 14, WHITE, GREY)  # label
    c.line(5, 10, 10, 10, BLUE)
    c.line(5, 12, 10, 12, BLUE)


def fixed_disk(c):
    drive_body(c)
    c.fill(12, 10, 13, 10, GREEN)


def cdrom(c):
    c.disc(8, 5, 5, SILVER)
    c.disc(8, 5, 4, WHITE)
    c.disc(6, 3, 1, (176, 208, 255))
    c.disc(8, 5, 1, BACK)
    drive_body(c)
    c.fill(12, 10, 13, 10, GREEN)


def net_drive(c):
    drive_body(c)
    c.fill(12, 10, 13, 10, GREEN)
    c.line(7, 13, 7, 14, DARK)
    c.line(2, 15, 13, 15, DARK)
    c.dot(7, 15, RED)


def ram(c):
    c.box(0, 5, 15, 11, DGREEN, BLACK)
    for x in (2, 6, 10):
        c.fill(x, 6, x + 2, 9, BLACK)
    for x in range(1, 15, 2):
        c.dot(x, 12, OCHRE)


def executable(c):
    c.box(0, 2, 15, 13, WHITE, DARK)
    c.fill(1, 3, 14, 5, NAVY)
    c.fill(12, 4, 13, 4, WHITE)
    c.line(2, 8, 9, 8, GREY)
    c.line(2, 10, 7, 10, GREY)


def unknown_file(c):
    c.box(3, 0, 12, 15, WHITE, DARK)
    # Folded corner: the flap below the fold, nothing above it.
    for y in range(0, 4):
        for x in range(9, 13):
            c.dot(x, y, BACK if x - 9 > y else SILVER)
    c.line(9, 0, 12, 3, DARK)
    c.line(9, 0, 9, 3, DARK)
    c.line(9, 3, 12, 3, DARK)
    for y in (6, 8, 10, 12):
        c.line(5, y, 10, y, GREY)


PICTURES = {
    "RZ_OPENFOLDER": open_folder,
    "RZ_CLOSEDFOLDER": closed_folder,
    "RZ_CURRENTFOLDER": lambda c: open_folder(c, sheet=True),
    "RZ_FLOPPY": floppy,
    "RZ_FIXEDDISK": fixed_disk,
    "RZ_CDROM": cdrom,
    "RZ_NETDRIVE": net_drive,
    "RZ_RAM": ram,
    "RZ_EXECUTABLE": executable,
    "RZ_UNKNOWNFILE": unknown_file,
}


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, draw in PICTURES.items():
        c = Canvas()
        draw(c)
        c.px[SIZE - 1][0] = BACK  # the transparent colour's sample
        c.write_bmp(os.path.join(here, name + ".bmp"))


if __name__ == "__main__":
    main()
