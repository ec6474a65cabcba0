#!/usr/bin/env python3
"""Checks the generated resources against what the program relies on: cursor hot spots on a
drawn pixel, icon and logo sizes.  Usage: test_resources.py SOURCE_ROOT"""
import os
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
OUT = tempfile.mkdtemp(prefix="vitrelo-resources-")
subprocess.run([sys.executable, os.path.join(ROOT, "resources", "generate_resources.py"), OUT], check=True)


def images(name):
    """[(type, width, height, hot x, hot y, opaque(x, y))] of an .ico/.cur file."""
    with open(os.path.join(OUT, name), "rb") as f:
        data = f.read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    out = []
    for i in range(count):
        w, h, _, _, c1, c2, _, pos = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        mask, stride = pos + 40 + w * h * 4, (w + 31) // 32 * 4
        out.append((kind, w, h, c1, c2, lambda x, y, m=mask, s=stride, h=h:
                    not data[m + (h - 1 - y) * s + x // 8] & (0x80 >> (x % 8))))
    return out


class Resources(unittest.TestCase):
    def test_cursors_icons_and_logo(self):
        for name, hot in [("hand.cur", (6, 0)), ("drag.cur", (14, 0)), ("eyedropper.cur", (5, 16))]:
            (kind, w, h, x, y, opaque), = images(name)
            self.assertEqual((kind, w, h, (x, y)), (2, 32, 32, hot), name)
            self.assertTrue(opaque(x, y), f"{name}: the hot spot is on a transparent pixel")
        for name, sides in [("vitrelo.ico", [16, 32, 48]), ("padlock_open.ico", [32]),
                            ("push_pin.ico", [32]), ("close.ico", [16]), ("tray.ico", [16])]:
            self.assertEqual([(k, w, h) for k, w, h, *_ in images(name)], [(1, s, s) for s in sides])
        with open(os.path.join(OUT, "logo.bmp"), "rb") as f:
            self.assertEqual(struct.unpack_from("<iiHH", f.read(), 18), (144, 95, 1, 24))


if __name__ == "__main__":
    unittest.main(verbosity=1)
