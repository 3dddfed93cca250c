#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The same chart drawn the everyday way, with matplotlib, to compare the renderer against.

Reads a nuklorama table and draws one grey square per nuclide (white stable, red unknown) on a
1200 x 800 pixel canvas, cell size 6 pixels as the renderer chooses for the shipped maxima.
"""
import math
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from matplotlib.collections import PatchCollection  # noqa: E402
from matplotlib.patches import Rectangle  # noqa: E402

UNITS = {"ys": 1e-24, "zs": 1e-21, "as": 1e-18, "fs": 1e-15, "ps": 1e-12, "ns": 1e-9,
         "us": 1e-6, "ms": 1e-3, "s": 1, "m": 60, "min": 60, "h": 3600, "d": 86400,
         "y": 31556926, "a": 31556926}


def colour(value, unit):
    unit = unit.lower()
    if unit == "stable":
        return (1, 1, 1)
    if unit == "un":
        return (1, 0, 0)
    try:
        t = float(value) * UNITS[unit]
    except (KeyError, ValueError):
        return (0, 0, 0)
    if t <= 0:
        return (0, 0, 0)
    g = min(max(math.floor((math.log10(t) + 10) * 6), 0), 255) / 255
    return (g, g, g)


def main(table, output):
    squares, colours = [], []
    with open(table, encoding="latin-1") as f:
        next(f)
        for line in f:
            fields = line.rstrip("\r\n").split(",")
            z, n = int(fields[1]), int(fields[2])
            squares.append(Rectangle((n * 6, z * 6), 6, 6))
            colours.append(colour(fields[5], fields[6]))
    fig = plt.figure(figsize=(12, 8), dpi=100)
    ax = fig.add_axes([0, 0, 1, 1])
    ax.set_xlim(0, 1200)
    ax.set_ylim(800, 0)
    ax.axis("off")
    ax.add_collection(PatchCollection(squares, facecolors=colours, edgecolors="none"))
    fig.savefig(output)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
