#!/usr/bin/env python3
"""Checks the generated resources against what the program relies on: cursor hot spots on a
drawn pixel, icon and logo sizes.  Usage: test_resources.py SOURCE_ROOT"""
import os
import struct
import subprocess
import sys
import tempfile

ROOT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
OUT = tempfile.mkdtemp(prefix="vitrelo-resources-")
subprocess.run([sys.executable, os.path.join(ROOT, "resources", "generate_resources.py"), OUT], check=True)


def images(name):
    """[(type, width, height)] of an .ico; of a .cur, also the hot spot and whether it is drawn."""
    with open(os.path.join(OUT, name), "rb") as f:
        data = f.read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    out = []
    for i in range(count):
        w, h, _, _, x, y, _, pos = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        row = pos + 40 + w * h * 4 + (h - 1 - y) * ((w + 31) // 32 * 4)
        out.append((kind, w, h) + ((x, y, not data[row + x // 8] & (0x80 >> x % 8)) if kind == 2 else ()))
    return out


expected = {"hand.cur": [(2, 32, 32, 6, 0, True)], "drag.cur": [(2, 32, 32, 14, 0, True)],
            "eyedropper.cur": [(2, 32, 32, 5, 16, True)],
            "vitrelo.ico": [(1, 16, 16), (1, 32, 32), (1, 48, 48)], "padlock_open.ico": [(1, 32, 32)],
            "push_pin.ico": [(1, 32, 32)], "close.ico": [(1, 16, 16)], "tray.ico": [(1, 16, 16)]}
wrong = [f"{name}: {images(name)}" for name, want in expected.items() if images(name) != want]
with open(os.path.join(OUT, "logo.bmp"), "rb") as f:
    logo = struct.unpack_from("<iiHH", f.read(), 18)
wrong += [f"logo.bmp: {logo}, not 144 x 95 at 24 bits"] if logo != (144, 95, 1, 24) else []
print("\n".join(wrong) or "the resources are as the program expects")
sys.exit(1 if wrong else 0)
