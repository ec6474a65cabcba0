#!/usr/bin/env python3
"""Checks a grid picture: commands_griglia.py GOT.png EXPECTED.png STEP

Pixels on a grid line (x or y a multiple of STEP) must be one of the two greys of the
grid, and both greys must appear; every other pixel must equal the expected picture
(the nearest-neighbour scale of the screen). Prints the count of wrong pixels."""
import subprocess
import sys

GRIGI = {(0x80, 0x80, 0x80), (0xC0, 0xC0, 0xC0)}


def pixel(percorso):
    dim = subprocess.run(["identify", "-format", "%w %h", percorso], capture_output=True,
                         text=True, check=True).stdout.split()
    w, h = int(dim[0]), int(dim[1])
    raw = subprocess.run(["convert", percorso, "-depth", "8", "rgb:-"], capture_output=True,
                         check=True).stdout
    return w, h, raw


def main():
    w, h, got = pixel(sys.argv[1])
    w2, h2, exp = pixel(sys.argv[2])
    passo = int(sys.argv[3])
    if (w, h) != (w2, h2):
        print(w * h)
        return
    sbagliati = 0
    visti = set()
    for y in range(h):
        for x in range(w):
            i = 3 * (y * w + x)
            g = tuple(got[i:i + 3])
            if x % passo == 0 or y % passo == 0:
                visti.add(g)
                sbagliati += g not in GRIGI
            else:
                sbagliati += g != tuple(exp[i:i + 3])
    if visti != GRIGI:
        sbagliati += 1
    print(sbagliati)


main()
