#!/usr/bin/env python3
"""Draws Vitrelo's cursors, icons, logo and click sounds into a folder (standard library only).

Usage: generate_resources.py OUTDIR

Everything is drawn from code so that the build owns its pictures and every run gives the
same bytes. vitrelo.rc names the files written here.
"""
import math
import os
import struct
import sys

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)


class Canvas:
    """An RGBA canvas; None is a transparent pixel."""

    def __init__(self, width, height, background=None):
        self.w = width
        self.h = height
        self.px = [[background] * width for _ in range(height)]

    def plot(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        """Filled rectangle, corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.plot(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.plot(x, y0, c)
            self.plot(x, y1, c)
        for y in range(y0, y1 + 1):
            self.plot(x0, y, c)
            self.plot(x1, y, c)

    def line(self, x0, y0, x1, y1, c, thickness=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        r = (thickness - 1) / 2.0
        for i in range(steps + 1):
            x = x0 + (x1 - x0) * i / steps
            y = y0 + (y1 - y0) * i / steps
            for yy in range(math.floor(y - r), math.ceil(y + r) + 1):
                for xx in range(math.floor(x - r), math.ceil(x + r) + 1):
                    if (xx - x) ** 2 + (yy - y) ** 2 <= r * r + 0.25:
                        self.plot(xx, yy, c)

    def ring(self, cx, cy, r_outer, r_inner, c, from_y=None, to_y=None):
        """Pixels whose centre lies between the two radii, optionally only rows from_y..to_y."""
        for y in range(self.h):
            if (from_y is not None and y < from_y) or (to_y is not None and y > to_y):
                continue
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r_inner <= d <= r_outer:
                    self.plot(x, y, c)

    def disc(self, cx, cy, r, c):
        self.ring(cx, cy, r, -1, c)

    def polygon(self, vertices, c):
        """Even-odd fill, tested at pixel centres."""
        for y in range(self.h):
            for x in range(self.w):
                px, py = x + 0.5, y + 0.5
                inside = False
                j = len(vertices) - 1
                for i, (xi, yi) in enumerate(vertices):
                    xj, yj = vertices[j]
                    if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                        inside = not inside
                    j = i
                if inside:
                    self.plot(x, y, c)

    def outline(self, c=BLACK):
        """A one-pixel outline around everything drawn so far (4-neighbourhood)."""
        border = []
        for y in range(self.h):
            for x in range(self.w):
                if self.px[y][x] is not None:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    xx, yy = x + dx, y + dy
                    if 0 <= xx < self.w and 0 <= yy < self.h and self.px[yy][xx] is not None \
                            and self.px[yy][xx] != c:
                        border.append((x, y))
                        break
        for x, y in border:
            self.px[y][x] = c


# ---- file formats -------------------------------------------------------------------------

def icon_dib(canvas):
    """BITMAPINFOHEADER + 32-bit BGRA rows + AND mask, both bottom-up, as in .ico/.cur."""
    w, h = canvas.w, canvas.h
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            c = canvas.px[y][x]
            xor += bytes((0, 0, 0, 0)) if c is None else bytes((c[2], c[1], c[0], c[3]))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(w):
            if canvas.px[y][x] is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask),
                        0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def icon_file(pictures, hotspot=None):
    """ICONDIR with one entry per picture; a cursor (type 2) carries its hotspot."""
    kind = 2 if hotspot else 1
    data = [icon_dib(t) for t in pictures]
    out = bytearray(struct.pack("<HHH", 0, kind, len(pictures)))
    offset = 6 + 16 * len(pictures)
    for canvas, d in zip(pictures, data):
        if hotspot:
            field1, field2 = hotspot
        else:
            field1, field2 = 1, 32  # planes, bits per pixel
        out += struct.pack("<BBBBHHII", canvas.w % 256, canvas.h % 256, 0, 0, field1, field2,
                              len(d), offset)
        offset += len(d)
    for d in data:
        out += d
    return bytes(out)


def bmp_file(canvas, background=(255, 255, 255)):
    """24-bit bottom-up BMP; transparent pixels take the background colour."""
    stride = (canvas.w * 3 + 3) // 4 * 4
    pixel = bytearray()
    for y in range(canvas.h - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.w):
            c = canvas.px[y][x] or background
            row += bytes((c[2], c[1], c[0]))
        row += bytes(stride - len(row))
        pixel += row
    info_header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(pixel),
                             2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixel), 0, 0, 14 + 40)
    return file_header + info_header + bytes(pixel)


def wav_file(sample_rate, samples):
    """PCM, mono, 8 bits per sample; an odd data chunk gets its RIFF pad byte."""
    data = bytes(samples)
    pad = b"\x00" if len(data) % 2 else b""
    fmt = struct.pack("<HHIIHH", 1, 1, sample_rate, sample_rate, 1, 8)
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt +
             b"data" + struct.pack("<I", len(data)) + data + pad)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def click(sample_rate, n, tone, damping):
    """A short tick: a damped sine around the 8-bit midpoint 128."""
    samples = []
    for i in range(n):
        t = i / sample_rate
        envelope = math.exp(-i / (n * damping))
        v = 128 + 110 * envelope * math.sin(2 * math.pi * tone * t)
        samples.append(max(0, min(255, int(round(v)))))
    return samples


# ---- drawings -------------------------------------------------------------------------------

def draw_hand(canvas, finger_x):
    """A white pointing hand, index finger up with its tip's top row at y 0, column finger_x."""
    b = WHITE
    canvas.rect(finger_x - 1, 1, finger_x + 2, 14, b)            # index finger
    canvas.rect(finger_x - 1, 0, finger_x + 1, 0, b)
    for i, height in enumerate((9, 10, 12)):              # middle, ring, little fingers
        x = finger_x + 3 + i * 4
        canvas.rect(x, height, x + 3, 18, b)
    canvas.rect(finger_x - 5, 13, finger_x - 2, 19, b)           # thumb
    canvas.polygon([(finger_x - 5, 19), (finger_x - 2, 13), (finger_x - 1, 22), (finger_x - 3, 22)], b)
    canvas.rect(finger_x - 1, 14, finger_x + 14, 26, b)          # palm
    canvas.rect(finger_x + 1, 27, finger_x + 13, 29, b)          # wrist
    canvas.outline()
    for i in range(3):                                     # gaps between the fingers
        x = finger_x + 3 + i * 4
        canvas.line(x - 1 if i == 0 else x, 14, x - 1 if i == 0 else x, 18, BLACK)


def arrow_head(canvas, cx, cy, dx, dy):
    """A small black arrow head pointing along (dx, dy), tip at (cx, cy)."""
    for k in range(4):
        for s in range(-k, k + 1):
            if dx:
                canvas.plot(cx - dx * k, cy + s, BLACK)
            else:
                canvas.plot(cx + s, cy - dy * k, BLACK)


def hand_cursor():
    t = Canvas(32, 32)
    draw_hand(t, 6)
    return t


def drag_cursor():
    t = Canvas(32, 32)
    draw_hand(t, 14)
    arrow_head(t, 2, 20, -1, 0)
    arrow_head(t, 31, 20, 1, 0)
    arrow_head(t, 22, 31, 0, 1)
    arrow_head(t, 24, 2, 0, -1)
    return t


def eyedropper_cursor():
    t = Canvas(32, 32)
    glass = (200, 230, 255, 255)
    rubber = (40, 40, 40, 255)
    t.line(8, 13, 19, 2, glass, thickness=4)               # glass tube, tip towards (5, 16)
    t.line(19, 4, 25, -2, rubber, thickness=6)              # rubber bulb
    t.outline()
    t.line(6, 15, 9, 12, BLACK, thickness=1)                # nozzle
    for d in range(2, 6):                                  # cross-hair around the tip
        t.plot(5 - d, 16, BLACK)
        t.plot(5 + d, 16, BLACK)
        t.plot(5, 16 - d, BLACK)
        t.plot(5, 16 + d, BLACK)
    t.plot(5, 16, BLACK)
    return t


def padlock(colour, is_open):
    t = Canvas(32, 32)
    metal = (150, 150, 150, 255)
    if is_open:
        t.ring(21, 10, 8, 5, metal, to_y=10)            # shackle swung up and right
        t.rect(26, 10, 28, 12, metal)
        t.rect(13, 10, 15, 15, metal)
    else:
        t.ring(16, 12, 8, 5, metal, to_y=12)
        t.rect(8, 12, 10, 15, metal)
        t.rect(21, 12, 23, 15, metal)
    t.rect(5, 15, 26, 30, colour)                          # body
    t.outline()
    t.disc(15.5, 21.5, 2, BLACK)                           # key hole
    t.rect(15, 22, 16, 26, BLACK)
    return t


def push_pin():
    t = Canvas(32, 32)
    red = (220, 30, 30, 255)
    t.line(13, 19, 4, 28, (120, 120, 120, 255), thickness=2)    # needle
    t.line(12, 14, 18, 20, (170, 20, 20, 255), thickness=5)     # collar
    t.disc(20.5, 11.5, 8, red)                               # head
    t.outline()
    t.disc(18, 9, 2, (255, 160, 160, 255))                     # highlight
    return t


def window_with_lens(side):
    """The program's picture: a window with a magnifying glass over it, drawn at any size."""
    t = Canvas(side, side)
    s = side / 32.0

    def q(v):
        return int(round(v * s))

    t.rect(q(1), q(3), q(25), q(25), WHITE)                    # client area
    t.rect(q(1), q(3), q(25), q(3) + max(1, q(5)), (30, 80, 200, 255))   # caption bar
    t.frame(q(1), q(3), q(25), q(25), BLACK)
    t.disc(q(19) + 0.5, q(18) + 0.5, 8.5 * s, (190, 225, 255, 255))      # lens
    t.ring(q(19) + 0.5, q(18) + 0.5, 8.5 * s, 8.5 * s - max(1.2, 2 * s), (60, 60, 60, 255))
    t.line(q(25), q(24), q(30), q(29), (120, 60, 20, 255), thickness=max(2, q(4)))  # handle
    return t


def colour_squares():
    t = Canvas(16, 16)
    tints = [(230, 30, 30), (250, 150, 20), (250, 230, 40), (40, 180, 40), (30, 200, 200),
             (30, 60, 220), (140, 40, 200), (240, 90, 180), (90, 90, 90)]
    for i, (r, g, b) in enumerate(tints):
        x = 1 + (i % 3) * 5
        y = 1 + (i // 3) * 5
        t.rect(x, y, x + 3, y + 3, (r, g, b, 255))
    return t


def contrast_disc():
    """A disc, its left half white and its right half black, in a grey ring."""
    t = Canvas(16, 16)
    for y in range(16):
        for x in range(16):
            d = math.hypot(x + 0.5 - 8, y + 0.5 - 8)
            if d <= 6.5:
                t.plot(x, y, WHITE if x < 8 else BLACK)
            elif d <= 7.5:
                t.plot(x, y, (90, 90, 90, 255))
    return t


def tape_measure():
    t = Canvas(16, 16)
    yellow = (250, 200, 30, 255)
    t.rect(7, 9, 15, 12, yellow)                                # the tape pulled out
    t.disc(5.5, 10.5, 5, (220, 60, 40, 255))                   # the case
    t.outline()
    t.disc(5.5, 10.5, 1.5, (60, 60, 60, 255))
    for x in range(8, 16, 2):                                   # tick marks
        t.plot(x, 9 if x % 4 else 10, BLACK)
    return t


def close_cross():
    t = Canvas(16, 16)
    t.line(4, 4, 11, 11, BLACK, thickness=2)
    t.line(11, 4, 4, 11, BLACK, thickness=2)
    return t


# A 5x7 pixel font, only the letters the logo needs.
GLYPHS = {
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "i": ["00100", "00000", "01100", "00100", "00100", "00100", "01110"],
    "t": ["01000", "01000", "11100", "01000", "01000", "01001", "00110"],
    "r": ["00000", "00000", "10110", "11001", "10000", "10000", "10000"],
    "e": ["00000", "00000", "01110", "10001", "11111", "10000", "01110"],
    "l": ["01100", "00100", "00100", "00100", "00100", "00100", "01110"],
    "o": ["00000", "00000", "01110", "10001", "10001", "10001", "01110"],
}


def write_text(canvas, text, x0, y0, scale, colour):
    for n, letter in enumerate(text):
        for r, row in enumerate(GLYPHS[letter]):
            for c, bit in enumerate(row):
                if bit == "1":
                    x = x0 + (n * 6 + c) * scale
                    y = y0 + r * scale
                    canvas.rect(x, y, x + scale - 1, y + scale - 1, colour)


def logo():
    t = Canvas(144, 95)
    for y in range(95):                                         # sky-like background
        for x in range(144):
            t.px[y][x] = (225 - y // 3, 238 - y // 4, 255, 255)
    t.disc(60.5, 30.5, 22, (200, 232, 255, 255))               # lens glass
    t.ring(60.5, 30.5, 23, 19, (50, 50, 60, 255))             # rim
    t.disc(52, 22, 4, (245, 250, 255, 255))                    # reflection
    t.line(77, 47, 92, 62, (110, 60, 20, 255), thickness=6)     # handle
    ink = (20, 40, 90, 255)
    write_text(t, "Vitrelo", 10, 70, 3, (170, 190, 220, 255))       # shadow
    write_text(t, "Vitrelo", 9, 69, 3, ink)
    return t


# ---- output ----------------------------------------------------------------------------------

def resources():
    """(file name, bytes) for every generated resource."""
    return [
        ("hand.cur", icon_file([hand_cursor()], hotspot=(6, 0))),
        ("drag.cur", icon_file([drag_cursor()], hotspot=(14, 0))),
        ("eyedropper.cur", icon_file([eyedropper_cursor()], hotspot=(5, 16))),
        ("padlock_open.ico", icon_file([padlock((40, 190, 60, 255), is_open=True)])),
        ("padlock_closed.ico", icon_file([padlock((250, 140, 20, 255), is_open=False)])),
        ("push_pin.ico", icon_file([push_pin()])),
        ("vitrelo.ico", icon_file([window_with_lens(s) for s in (16, 32, 48)])),
        ("pick_colour.ico", icon_file([colour_squares()])),
        ("measure.ico", icon_file([tape_measure()])),
        ("contrast.ico", icon_file([contrast_disc()])),
        ("tray.ico", icon_file([window_with_lens(16)])),
        ("close.ico", icon_file([close_cross()])),
        ("logo.bmp", bmp_file(logo())),
        ("lock.wav", wav_file(11025, click(11025, 1185, 1800, 0.18))),
        ("pause.wav", wav_file(22050, click(22050, 1524, 2600, 0.15))),
        ("leave.wav", wav_file(11025, click(11025, 409, 1200, 0.25))),
    ]


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, data in resources():
        path = os.path.join(folder, name)
        with open(path, "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
