#!/usr/bin/env python3
"""Writes the known screen picture of the end-to-end scenarios: 1024x768 RGB PNG.

Every pixel differs from its eight neighbours in at least one channel, so a capture that is
off by one pixel in any direction never matches; the pattern is a pure function of (x, y),
so every run shows the same picture.
Usage: immagine_test.py OUT.png [WIDTH HEIGHT]
"""
import struct
import sys
import zlib


def pixel(x, y):
    return ((x * 7 + y * 3) & 255, ((x * 5) ^ (y * 11)) & 255, ((x // 3) * (y // 5) + x + 2 * y) & 255)


def png(larghezza, altezza):
    righe = bytearray()
    for y in range(altezza):
        righe.append(0)  # filter: none
        for x in range(larghezza):
            righe += bytes(pixel(x, y))

    def blocco(tipo, dati):
        corpo = tipo + dati
        return struct.pack(">I", len(dati)) + corpo + struct.pack(">I", zlib.crc32(corpo))

    testa = struct.pack(">IIBBBBB", larghezza, altezza, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + blocco(b"IHDR", testa) +
            blocco(b"IDAT", zlib.compress(bytes(righe), 6)) + blocco(b"IEND", b""))


def main():
    uscita = sys.argv[1]
    larghezza, altezza = (int(sys.argv[2]), int(sys.argv[3])) if len(sys.argv) > 3 else (1024, 768)
    with open(uscita, "wb") as f:
        f.write(png(larghezza, altezza))


if __name__ == "__main__":
    main()
