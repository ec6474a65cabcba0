#!/usr/bin/env python3
"""Draws Vitrelo's cursors, icons, logo and click sounds into a folder (standard library only).

Usage: genera_risorse.py OUTDIR

Everything is drawn from code so that the build owns its pictures and every run gives the
same bytes. vitrelo.rc names the files written here.
"""
import math
import os
import struct
import sys

NERO = (0, 0, 0, 255)
BIANCO = (255, 255, 255, 255)


class Tela:
    """An RGBA canvas; None is a transparent pixel."""

    def __init__(self, larghezza, altezza, sfondo=None):
        self.w = larghezza
        self.h = altezza
        self.px = [[sfondo] * larghezza for _ in range(altezza)]

    def punto(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rett(self, x0, y0, x1, y1, c):
        """Filled rectangle, corners included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.punto(x, y, c)

    def cornice(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.punto(x, y0, c)
            self.punto(x, y1, c)
        for y in range(y0, y1 + 1):
            self.punto(x0, y, c)
            self.punto(x1, y, c)

    def linea(self, x0, y0, x1, y1, c, spessore=1):
        passi = max(abs(x1 - x0), abs(y1 - y0), 1)
        r = (spessore - 1) / 2.0
        for i in range(passi + 1):
            x = x0 + (x1 - x0) * i / passi
            y = y0 + (y1 - y0) * i / passi
            for yy in range(math.floor(y - r), math.ceil(y + r) + 1):
                for xx in range(math.floor(x - r), math.ceil(x + r) + 1):
                    if (xx - x) ** 2 + (yy - y) ** 2 <= r * r + 0.25:
                        self.punto(xx, yy, c)

    def anello(self, cx, cy, r_fuori, r_dentro, c, da_y=None, a_y=None):
        """Pixels whose centre lies between the two radii, optionally only rows da_y..a_y."""
        for y in range(self.h):
            if (da_y is not None and y < da_y) or (a_y is not None and y > a_y):
                continue
            for x in range(self.w):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if r_dentro <= d <= r_fuori:
                    self.punto(x, y, c)

    def disco(self, cx, cy, r, c):
        self.anello(cx, cy, r, -1, c)

    def poligono(self, vertici, c):
        """Even-odd fill, tested at pixel centres."""
        for y in range(self.h):
            for x in range(self.w):
                px, py = x + 0.5, y + 0.5
                dentro = False
                j = len(vertici) - 1
                for i, (xi, yi) in enumerate(vertici):
                    xj, yj = vertici[j]
                    if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                        dentro = not dentro
                    j = i
                if dentro:
                    self.punto(x, y, c)

    def contorna(self, c=NERO):
        """A one-pixel outline around everything drawn so far (4-neighbourhood)."""
        bordo = []
        for y in range(self.h):
            for x in range(self.w):
                if self.px[y][x] is not None:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    xx, yy = x + dx, y + dy
                    if 0 <= xx < self.w and 0 <= yy < self.h and self.px[yy][xx] is not None \
                            and self.px[yy][xx] != c:
                        bordo.append((x, y))
                        break
        for x, y in bordo:
            self.px[y][x] = c


# ---- file formats -------------------------------------------------------------------------

def dib_icona(tela):
    """BITMAPINFOHEADER + 32-bit BGRA rows + AND mask, both bottom-up, as in .ico/.cur."""
    w, h = tela.w, tela.h
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            c = tela.px[y][x]
            xor += bytes((0, 0, 0, 0)) if c is None else bytes((c[2], c[1], c[0], c[3]))
    passo_maschera = ((w + 31) // 32) * 4
    maschera = bytearray()
    for y in range(h - 1, -1, -1):
        riga = bytearray(passo_maschera)
        for x in range(w):
            if tela.px[y][x] is None:
                riga[x // 8] |= 0x80 >> (x % 8)
        maschera += riga
    testa = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(maschera),
                        0, 0, 0, 0)
    return testa + bytes(xor) + bytes(maschera)


def file_icone(immagini, cursore_hotspot=None):
    """ICONDIR with one entry per picture; a cursor (type 2) carries its hotspot."""
    tipo = 2 if cursore_hotspot else 1
    dati = [dib_icona(t) for t in immagini]
    uscita = bytearray(struct.pack("<HHH", 0, tipo, len(immagini)))
    posizione = 6 + 16 * len(immagini)
    for tela, d in zip(immagini, dati):
        if cursore_hotspot:
            campo1, campo2 = cursore_hotspot
        else:
            campo1, campo2 = 1, 32  # planes, bits per pixel
        uscita += struct.pack("<BBBBHHII", tela.w % 256, tela.h % 256, 0, 0, campo1, campo2,
                              len(d), posizione)
        posizione += len(d)
    for d in dati:
        uscita += d
    return bytes(uscita)


def file_bmp(tela, sfondo=(255, 255, 255)):
    """24-bit bottom-up BMP; transparent pixels take the background colour."""
    passo = (tela.w * 3 + 3) // 4 * 4
    pixel = bytearray()
    for y in range(tela.h - 1, -1, -1):
        riga = bytearray()
        for x in range(tela.w):
            c = tela.px[y][x] or sfondo
            riga += bytes((c[2], c[1], c[0]))
        riga += bytes(passo - len(riga))
        pixel += riga
    testa_info = struct.pack("<IiiHHIIiiII", 40, tela.w, tela.h, 1, 24, 0, len(pixel),
                             2835, 2835, 0, 0)
    testa_file = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixel), 0, 0, 14 + 40)
    return testa_file + testa_info + bytes(pixel)


def file_wav(frequenza_campionamento, campioni):
    """PCM, mono, 8 bits per sample; an odd data chunk gets its RIFF pad byte."""
    dati = bytes(campioni)
    pad = b"\x00" if len(dati) % 2 else b""
    fmt = struct.pack("<HHIIHH", 1, 1, frequenza_campionamento, frequenza_campionamento, 1, 8)
    corpo = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt +
             b"data" + struct.pack("<I", len(dati)) + dati + pad)
    return b"RIFF" + struct.pack("<I", len(corpo)) + corpo


def clic(frequenza_campionamento, n, tono, smorzamento):
    """A short tick: a damped sine around the 8-bit midpoint 128."""
    campioni = []
    for i in range(n):
        t = i / frequenza_campionamento
        inviluppo = math.exp(-i / (n * smorzamento))
        v = 128 + 110 * inviluppo * math.sin(2 * math.pi * tono * t)
        campioni.append(max(0, min(255, int(round(v)))))
    return campioni


# ---- drawings -------------------------------------------------------------------------------

def mano(tela, dito_x):
    """A white pointing hand, index finger up with its tip's top row at y 0, column dito_x."""
    b = BIANCO
    tela.rett(dito_x - 1, 1, dito_x + 2, 14, b)            # index finger
    tela.rett(dito_x - 1, 0, dito_x + 1, 0, b)
    for i, altezza in enumerate((9, 10, 12)):              # middle, ring, little fingers
        x = dito_x + 3 + i * 4
        tela.rett(x, altezza, x + 3, 18, b)
    tela.rett(dito_x - 5, 13, dito_x - 2, 19, b)           # thumb
    tela.poligono([(dito_x - 5, 19), (dito_x - 2, 13), (dito_x - 1, 22), (dito_x - 3, 22)], b)
    tela.rett(dito_x - 1, 14, dito_x + 14, 26, b)          # palm
    tela.rett(dito_x + 1, 27, dito_x + 13, 29, b)          # wrist
    tela.contorna()
    for i in range(3):                                     # gaps between the fingers
        x = dito_x + 3 + i * 4
        tela.linea(x - 1 if i == 0 else x, 14, x - 1 if i == 0 else x, 18, NERO)


def freccia(tela, cx, cy, dx, dy):
    """A small black arrow head pointing along (dx, dy), tip at (cx, cy)."""
    for k in range(4):
        for s in range(-k, k + 1):
            if dx:
                tela.punto(cx - dx * k, cy + s, NERO)
            else:
                tela.punto(cx + s, cy - dy * k, NERO)


def cursore_mano():
    t = Tela(32, 32)
    mano(t, 6)
    return t


def cursore_mano_frecce():
    t = Tela(32, 32)
    mano(t, 14)
    freccia(t, 2, 20, -1, 0)
    freccia(t, 31, 20, 1, 0)
    freccia(t, 22, 31, 0, 1)
    freccia(t, 24, 2, 0, -1)
    return t


def cursore_contagocce():
    t = Tela(32, 32)
    vetro = (200, 230, 255, 255)
    gomma = (40, 40, 40, 255)
    t.linea(8, 13, 19, 2, vetro, spessore=4)               # glass tube, tip towards (5, 16)
    t.linea(19, 4, 25, -2, gomma, spessore=6)              # rubber bulb
    t.contorna()
    t.linea(6, 15, 9, 12, NERO, spessore=1)                # nozzle
    for d in range(2, 6):                                  # cross-hair around the tip
        t.punto(5 - d, 16, NERO)
        t.punto(5 + d, 16, NERO)
        t.punto(5, 16 - d, NERO)
        t.punto(5, 16 + d, NERO)
    t.punto(5, 16, NERO)
    return t


def lucchetto(colore, aperto):
    t = Tela(32, 32)
    metallo = (150, 150, 150, 255)
    if aperto:
        t.anello(21, 10, 8, 5, metallo, a_y=10)            # shackle swung up and right
        t.rett(26, 10, 28, 12, metallo)
        t.rett(13, 10, 15, 15, metallo)
    else:
        t.anello(16, 12, 8, 5, metallo, a_y=12)
        t.rett(8, 12, 10, 15, metallo)
        t.rett(21, 12, 23, 15, metallo)
    t.rett(5, 15, 26, 30, colore)                          # body
    t.contorna()
    t.disco(15.5, 21.5, 2, NERO)                           # key hole
    t.rett(15, 22, 16, 26, NERO)
    return t


def puntina():
    t = Tela(32, 32)
    rosso = (220, 30, 30, 255)
    t.linea(13, 19, 4, 28, (120, 120, 120, 255), spessore=2)    # needle
    t.linea(12, 14, 18, 20, (170, 20, 20, 255), spessore=5)     # collar
    t.disco(20.5, 11.5, 8, rosso)                               # head
    t.contorna()
    t.disco(18, 9, 2, (255, 160, 160, 255))                     # highlight
    return t


def finestra_con_lente(lato):
    """The program's picture: a window with a magnifying glass over it, drawn at any size."""
    t = Tela(lato, lato)
    s = lato / 32.0

    def q(v):
        return int(round(v * s))

    t.rett(q(1), q(3), q(25), q(25), BIANCO)                    # client area
    t.rett(q(1), q(3), q(25), q(3) + max(1, q(5)), (30, 80, 200, 255))   # caption bar
    t.cornice(q(1), q(3), q(25), q(25), NERO)
    t.disco(q(19) + 0.5, q(18) + 0.5, 8.5 * s, (190, 225, 255, 255))      # lens
    t.anello(q(19) + 0.5, q(18) + 0.5, 8.5 * s, 8.5 * s - max(1.2, 2 * s), (60, 60, 60, 255))
    t.linea(q(25), q(24), q(30), q(29), (120, 60, 20, 255), spessore=max(2, q(4)))  # handle
    return t


def colori():
    t = Tela(16, 16)
    tinte = [(230, 30, 30), (250, 150, 20), (250, 230, 40), (40, 180, 40), (30, 200, 200),
             (30, 60, 220), (140, 40, 200), (240, 90, 180), (90, 90, 90)]
    for i, (r, g, b) in enumerate(tinte):
        x = 1 + (i % 3) * 5
        y = 1 + (i // 3) * 5
        t.rett(x, y, x + 3, y + 3, (r, g, b, 255))
    return t


def metro():
    t = Tela(16, 16)
    giallo = (250, 200, 30, 255)
    t.rett(7, 9, 15, 12, giallo)                                # the tape pulled out
    t.disco(5.5, 10.5, 5, (220, 60, 40, 255))                   # the case
    t.contorna()
    t.disco(5.5, 10.5, 1.5, (60, 60, 60, 255))
    for x in range(8, 16, 2):                                   # tick marks
        t.punto(x, 9 if x % 4 else 10, NERO)
    return t


def chiudi():
    t = Tela(16, 16)
    t.linea(4, 4, 11, 11, NERO, spessore=2)
    t.linea(11, 4, 4, 11, NERO, spessore=2)
    return t


# A 5x7 pixel font, only the letters the logo needs.
CARATTERI = {
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "i": ["00100", "00000", "01100", "00100", "00100", "00100", "01110"],
    "t": ["01000", "01000", "11100", "01000", "01000", "01001", "00110"],
    "r": ["00000", "00000", "10110", "11001", "10000", "10000", "10000"],
    "e": ["00000", "00000", "01110", "10001", "11111", "10000", "01110"],
    "l": ["01100", "00100", "00100", "00100", "00100", "00100", "01110"],
    "o": ["00000", "00000", "01110", "10001", "10001", "10001", "01110"],
}


def scrivi(tela, testo, x0, y0, scala, colore):
    for n, lettera in enumerate(testo):
        for r, riga in enumerate(CARATTERI[lettera]):
            for c, bit in enumerate(riga):
                if bit == "1":
                    x = x0 + (n * 6 + c) * scala
                    y = y0 + r * scala
                    tela.rett(x, y, x + scala - 1, y + scala - 1, colore)


def logo():
    t = Tela(144, 95)
    for y in range(95):                                         # sky-like background
        for x in range(144):
            t.px[y][x] = (225 - y // 3, 238 - y // 4, 255, 255)
    t.disco(60.5, 30.5, 22, (200, 232, 255, 255))               # lens glass
    t.anello(60.5, 30.5, 23, 19, (50, 50, 60, 255))             # rim
    t.disco(52, 22, 4, (245, 250, 255, 255))                    # reflection
    t.linea(77, 47, 92, 62, (110, 60, 20, 255), spessore=6)     # handle
    ombra = (20, 40, 90, 255)
    scrivi(t, "Vitrelo", 10, 70, 3, (170, 190, 220, 255))       # shadow
    scrivi(t, "Vitrelo", 9, 69, 3, ombra)
    return t


# ---- output ----------------------------------------------------------------------------------

def risorse():
    """(file name, bytes) for every generated resource."""
    return [
        ("mano.cur", file_icone([cursore_mano()], cursore_hotspot=(6, 0))),
        ("mano_frecce.cur", file_icone([cursore_mano_frecce()], cursore_hotspot=(14, 0))),
        ("contagocce.cur", file_icone([cursore_contagocce()], cursore_hotspot=(5, 16))),
        ("lucchetto_aperto.ico", file_icone([lucchetto((40, 190, 60, 255), aperto=True)])),
        ("lucchetto_chiuso.ico", file_icone([lucchetto((250, 140, 20, 255), aperto=False)])),
        ("puntina.ico", file_icone([puntina()])),
        ("vitrelo.ico", file_icone([finestra_con_lente(s) for s in (16, 32, 48)])),
        ("colori.ico", file_icone([colori()])),
        ("misura.ico", file_icone([metro()])),
        ("icona_tray.ico", file_icone([finestra_con_lente(16)])),
        ("chiudi.ico", file_icone([chiudi()])),
        ("logo.bmp", file_bmp(logo())),
        ("clic301.wav", file_wav(11025, clic(11025, 1185, 1800, 0.18))),
        ("clic302.wav", file_wav(22050, clic(22050, 1524, 2600, 0.15))),
        ("clic303.wav", file_wav(11025, clic(11025, 409, 1200, 0.25))),
    ]


def main():
    cartella = sys.argv[1]
    os.makedirs(cartella, exist_ok=True)
    for nome, dati in risorse():
        percorso = os.path.join(cartella, nome)
        with open(percorso, "wb") as f:
            f.write(dati)


if __name__ == "__main__":
    main()
