#!/usr/bin/env python3
"""Writes the known screen picture of the end-to-end scenarios: 1024x768 RGB PNG.

Every pixel differs from its eight neighbours in at least one channel, so a capture that is
off by one pixel in any direction never matches; the pattern is a pure function of (x, y),
so every run shows the same picture.
Usage: immagine_test.py OUT.png [WIDTH HEIGHT]
       immagine_test.py --demo OUT.png   (a calmer picture for the demo screenshot)
"""
import struct
import sys
import zlib


def pixel(x, y):
    return ((x * 7 + y * 3) & 255, ((x * 5) ^ (y * 11)) & 255, ((x // 3) * (y // 5) + x + 2 * y) & 255)


def pixel_demo(x, y):
    """A light desktop: gradient, a 32-pixel grid of thin lines, coloured tiles, fine checks."""
    if x % 32 == 0 or y % 32 == 0:
        return (150, 160, 180)
    cella = (x // 32) * 7 + (y // 32) * 3
    if cella % 5 == 0 and 8 <= x % 32 <= 24 and 8 <= y % 32 <= 24:
        return ((cella * 53) % 200 + 40, (cella * 97) % 200 + 40, (cella * 31) % 200 + 40)
    if cella % 5 == 2 and 4 <= x % 32 <= 28 and 4 <= y % 32 <= 28:
        return (0, 0, 0) if (x + y) % 2 else (255, 255, 255)
    return (230 - y // 8, 236 - y // 16, 250 - x // 32)


def png(larghezza, altezza, colore=pixel):
    righe = bytearray()
    for y in range(altezza):
        righe.append(0)  # filter: none
        for x in range(larghezza):
            righe += bytes(colore(x, y))

    def blocco(tipo, dati):
        corpo = tipo + dati
        return struct.pack(">I", len(dati)) + corpo + struct.pack(">I", zlib.crc32(corpo))

    testa = struct.pack(">IIBBBBB", larghezza, altezza, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + blocco(b"IHDR", testa) +
            blocco(b"IDAT", zlib.compress(bytes(righe), 6)) + blocco(b"IEND", b""))


def main():
    if sys.argv[1] == "--demo":
        with open(sys.argv[2], "wb") as f:
            f.write(png(1024, 768, pixel_demo))
        return
    uscita = sys.argv[1]
    larghezza, altezza = (int(sys.argv[2]), int(sys.argv[3])) if len(sys.argv) > 3 else (1024, 768)
    with open(uscita, "wb") as f:
        f.write(png(larghezza, altezza))


if __name__ == "__main__":
    main()
