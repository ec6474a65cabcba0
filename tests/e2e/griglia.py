#!/usr/bin/env python3
"""griglia.py GOT.png EXPECTED.png STEP: the count of wrong pixels of a grid picture. On a grid
line (x or y a multiple of STEP) a pixel must be one of the grid's two greys, and both must be
seen (else one more); elsewhere it must be the expected picture's."""
import subprocess
import sys

got, exp = (subprocess.check_output(["convert", p, "-depth", "8", "rgb:-"]) for p in sys.argv[1:3])
w, passo = int(subprocess.check_output(["identify", "-format", "%w", sys.argv[1]])), int(sys.argv[3])
GRIGI = {b"\x80\x80\x80", b"\xc0\xc0\xc0"}
px = [(got[i:i + 3], exp[i:i + 3], i // 3 % w % passo == 0 or i // 3 // w % passo == 0)
      for i in range(0, len(got), 3)]
print(len(px) if len(got) != len(exp) else sum(g not in GRIGI if linea else g != e for g, e, linea in px)
      + ({g for g, _, linea in px if linea} != GRIGI))
