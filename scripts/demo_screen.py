#!/usr/bin/env python3
"""Writes the screen picture of the demo screenshot and the benchmark, 1024x768, as raw RGB on
stdout (scripts/run and scripts/bench turn it into a PNG): a light desktop with a gradient, a
32-pixel grid of thin lines, coloured tiles and fine checks."""
import sys


def pixel(x, y):
    if x % 32 == 0 or y % 32 == 0:
        return (150, 160, 180)
    cell = (x // 32) * 7 + (y // 32) * 3
    if cell % 5 == 0 and 8 <= x % 32 <= 24 and 8 <= y % 32 <= 24:
        return ((cell * 53) % 200 + 40, (cell * 97) % 200 + 40, (cell * 31) % 200 + 40)
    if cell % 5 == 2 and 4 <= x % 32 <= 28 and 4 <= y % 32 <= 28:
        return (0, 0, 0) if (x + y) % 2 else (255, 255, 255)
    return (230 - y // 8, 236 - y // 16, 250 - x // 32)


sys.stdout.buffer.write(bytes(c for y in range(768) for x in range(1024) for c in pixel(x, y)))
