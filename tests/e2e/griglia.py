#!/usr/bin/env python3
"""griglia.py GOT.png EXPECTED.png STEP prints the count of wrong pixels of a grid picture: on a
grid line (x or y a multiple of STEP) those that are not one of the grid's two greys, plus one
unless both greys are seen; elsewhere those unlike the expected picture."""
import subprocess
import sys


def pixel(png):
    w, h = map(int, subprocess.check_output(["identify", "-format", "%w %h", png]).split())
    raw = subprocess.check_output(["convert", png, "-depth", "8", "rgb:-"])
    return w, h, [raw[i:i + 3] for i in range(0, len(raw), 3)]


(w, h, got), (w2, h2, exp), passo = pixel(sys.argv[1]), pixel(sys.argv[2]), int(sys.argv[3])
GRIGI = {b"\x80\x80\x80", b"\xc0\xc0\xc0"}
linea = [i % w % passo == 0 or i // w % passo == 0 for i in range(w * h)]
print(w * h if (w, h) != (w2, h2) else
      sum(got[i] not in GRIGI if linea[i] else got[i] != exp[i] for i in range(w * h)) +
      ({got[i] for i in range(w * h) if linea[i]} != GRIGI))
