#!/usr/bin/env python3
"""Draws Pemrak's pictures (Python standard library only) and writes them as PNG:

  landschaft.png  529 x 153  the scene: sky, hills, the rails on rows 138 and 139
                             (RGB 128, 64, 0) and the red stop flag at the left
  maske.png       100 x 32   the locomotive's silhouette in black on white
  lok.png         100 x 32   the locomotive in its colours, black outside it
  info.png         32 x 32   the about box's icon (16 colours)
  pemrak.png       64 x 64   the program's icon

The silhouette of the locomotive covers columns 27 to 58 and rows 7 to 26 of
the two 100 x 32 pictures; the program combines them by AND and XOR, so the
mask must be exactly black where the sprite has colour. Run it from anywhere:
    python3 assets/pemrak/make_assets.py
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)
RAIL = (128, 64, 0)
FLAG = (255, 0, 0)


class Picture:
    def __init__(self, w, h, fill):
        self.w, self.h = w, h
        self.px = [[fill] * w for _ in range(h)]

    def set(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):  # inclusive corners
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def save(self, name):
        raw = b''.join(b'\x00' + bytes(v for p in row for v in p) for row in self.px)
        def chunk(kind, data):
            return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xffffffff)
        png = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', self.w, self.h, 8, 2, 0, 0, 0))
               + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(png)


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


# --- the locomotive, 32 x 20, facing left (it drives towards the flag) -------
# Each entry: a colour key per pixel, '.' outside the silhouette.
LOK = [
    "...######..........#############",  # 0  chimney top, cab roof
    "....####...........#############",  # 1
    "....#gg#............CCCCCCCCCCC.",  # 2  cab
    "....#gg#.....ddd....CCyyyyyyyCC.",  # 3  dome, window
    "....#gg#....ddddd...CCyyyyyyyCC.",  # 4
    "....#gg#....ddddd...CCyyyyyyyCC.",  # 5
    "..rrrrrrrrrrrrrrrrrrCCyyyyyyyCC.",  # 6  boiler
    ".rrrrrrrrrrrrrrrrrrrCCCCCCCCCCC.",  # 7
    ".rrrrrrorrrrrrorrrrrCCCCCCCCCCC.",  # 8
    ".rrrrrrorrrrrrorrrrrCCCCCCCCCCC.",  # 9
    "#rrrrrrorrrrrrorrrrrCCCCCCCCCCC.",  # 10 buffer
    "#RRRRRRoRRRRRRoRRRRRCCCCCCCCCCC.",  # 11
    "#RRRRRRRRRRRRRRRRRRRCCCCCCCCCCC.",  # 12
    "##############################..",  # 13 frame
    ".s###s###s###s###s#####s###s##..",  # 14 frame with rivets
    "..kkkkk.kkkkk.....kkkkkkk.......",  # 15 wheels
    ".kkwwkk.kkwwk....kkkwwwkkk......",  # 16
    ".kwwhwwkkwwhwwk..kkwwhwwkk......",  # 17
    ".kkwwkk.kkwwkk...kkkwwwkkk......",  # 18
    "..kkkk...kkkk.....kkkkkkk.......",  # 19
]
LOK_COLOURS = {
    '#': (16, 16, 16),      # black iron: chimney, roof, frame, buffer
    'g': (96, 96, 96),      # chimney's grey inside
    'd': (230, 180, 30),    # brass steam dome
    'r': (200, 24, 24),     # red boiler
    'R': (150, 16, 16),     # its shadowed underside
    'o': (240, 200, 60),    # brass bands
    'C': (30, 70, 190),     # blue cab
    'y': (255, 240, 150),   # lit window
    's': (160, 160, 160),   # rivets
    'k': (40, 40, 40),      # wheel tyres
    'w': (170, 170, 170),   # wheel discs
    'h': (220, 30, 30),     # red hubs
}
LOK_X, LOK_Y = 27, 7  # top-left of the silhouette in the 100 x 32 pictures

assert len(LOK) == 20 and all(len(r) == 32 for r in LOK)
assert any(r[0] != '.' for r in LOK) and any(r[31] != '.' for r in LOK)
assert LOK[0].strip('.') and LOK[19].strip('.')


def lok_pictures():
    maske = Picture(100, 32, WHITE)
    lok = Picture(100, 32, BLACK)
    for y, row in enumerate(LOK):
        for x, k in enumerate(row):
            if k != '.':
                maske.set(LOK_X + x, LOK_Y + y, BLACK)
                lok.set(LOK_X + x, LOK_Y + y, LOK_COLOURS[k])
    return maske, lok


# --- the landscape ----------------------------------------------------------
def landschaft():
    w, h = 529, 153
    p = Picture(w, h, WHITE)
    sky_top, sky_low = (70, 130, 220), (185, 220, 250)
    for y in range(h):
        for x in range(w):
            p.set(x, y, mix(sky_top, sky_low, y / 110))
    # sun and clouds
    p.disc(470, 24, 13, (255, 220, 60))
    p.disc(470, 24, 10, (255, 240, 120))
    for cx, cy, s in ((90, 28, 1.0), (250, 18, 1.3), (380, 40, 0.9)):
        for dx, dy, r in ((0, 0, 9), (11, -4, 11), (23, 0, 9), (12, 3, 9)):
            p.disc(cx + dx * s, cy + dy * s, r * s, (250, 250, 252))
    # two rows of hills
    for x in range(w):
        far = 78 + 10 * math.sin(x / 55.0) + 6 * math.sin(x / 23.0 + 1)
        near = 100 + 8 * math.sin(x / 70.0 + 2) + 4 * math.sin(x / 31.0)
        for y in range(int(far), h):
            p.set(x, y, (110, 160, 90))
        for y in range(int(near), h):
            p.set(x, y, mix((80, 160, 60), (60, 135, 45), (y - near) / 40))
    # trees on the near hills
    for tx in (70, 140, 205, 300, 345, 420, 500):
        ground = int(100 + 8 * math.sin(tx / 70.0 + 2) + 4 * math.sin(tx / 31.0))
        p.rect(tx - 1, ground - 8, tx + 1, ground + 2, (110, 70, 30))
        p.disc(tx, ground - 13, 7, (30, 110, 40))
        p.disc(tx - 2, ground - 15, 3, (60, 150, 60))
    # the track bed: gravel below the rails, sleepers between them
    p.rect(0, 136, w - 1, 137, (95, 140, 55))
    for y in range(140, h):
        for x in range(w):
            n = (x * 7 + y * 13 + (x * y) % 5) % 9
            p.set(x, y, mix((150, 140, 125), (110, 100, 90), n / 8))
    for x in range(2, w, 9):
        p.rect(x, 140, x + 4, 142, (90, 55, 25))
    p.rect(0, 138, w - 1, 139, RAIL)
    # the stop mark: a red flag on a black pole, at the left end
    p.rect(15, 117, 16, 134, BLACK)
    p.rect(17, 119, 24, 124, FLAG)
    return p


# --- icons -----------------------------------------------------------------
# The 16 colours of the classic palette; the about icon uses only these.
PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
             (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
             (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def nearest16(c):
    return min(PALETTE16, key=lambda q: sum((q[i] - c[i]) ** 2 for i in range(3)))


# Where the nearest of the 16 colours would not look like the locomotive.
ICON_COLOURS = {'C': (0, 0, 255), 'y': (255, 255, 0)}


def icon32():
    p = Picture(32, 32, (0, 255, 255))
    p.rect(0, 27, 31, 31, (0, 128, 0))
    for y, row in enumerate(LOK):
        for x, k in enumerate(row):
            if k != '.':
                p.set(x, 6 + y, ICON_COLOURS.get(k, LOK_COLOURS[k]))
    p.rect(0, 26, 31, 26, RAIL)
    p.rect(0, 3, 3, 4, (255, 255, 255))  # a puff of steam
    p.rect(1, 1, 2, 2, (255, 255, 255))
    for y in range(32):
        for x in range(32):
            p.set(x, y, nearest16(p.get(x, y)))
    return p


def scaled(src, f):
    p = Picture(src.w * f, src.h * f, WHITE)
    for y in range(p.h):
        for x in range(p.w):
            p.set(x, y, src.get(x // f, y // f))
    return p


def main():
    landschaft().save('landschaft.png')
    maske, lok = lok_pictures()
    maske.save('maske.png')
    lok.save('lok.png')
    i = icon32()
    i.save('info.png')
    scaled(i, 2).save('pemrak.png')


if __name__ == '__main__':
    main()
