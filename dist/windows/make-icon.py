#!/usr/bin/env python3
"""Draws dist/zl410.svg's shapes (rectangles, rounded rectangles, circles) into zl410.ico for the Windows
executable, at the sizes Windows shows. Run again after a change of the SVG: python3 make-icon.py"""
import math
import os
import re
import struct
import zlib

here = os.path.dirname(os.path.abspath(__file__))
svg = open(os.path.join(here, "..", "zl410.svg"), encoding="utf-8").read()


def colour(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


shapes = []
for kind, attrs in re.findall(r"<(rect|circle)\s([^>]*)/>", svg):
    a = dict(re.findall(r'([\w-]+)="([^"]*)"', attrs))
    shapes.append((kind, {k: (v if v.startswith("#") else float(v)) for k, v in a.items()}))


def distance(kind, a, x, y):
    """Signed distance from (x, y) to the shape's outline, negative inside."""
    if kind == "circle":
        return math.hypot(x - a["cx"], y - a["cy"]) - a["r"]
    r = a.get("rx", 0.0)
    hx, hy = a["width"] / 2 - r, a["height"] / 2 - r
    dx = abs(x - (a["x"] + a["width"] / 2)) - hx
    dy = abs(y - (a["y"] + a["height"] / 2)) - hy
    return math.hypot(max(dx, 0), max(dy, 0)) + min(max(dx, dy), 0) - r


def pixel(x, y):
    rgba = (0.0, 0.0, 0.0, 0.0)
    for kind, a in shapes:
        d = distance(kind, a, x, y)
        layers = [(a["fill"], d <= 0)]
        if "stroke" in a:
            layers.append((a["stroke"], abs(d) <= a["stroke-width"] / 2))
        for paint, inside in layers:
            if inside:
                rgba = colour(paint) + (1.0,)
    return rgba


def png(size):
    samples = 4  # per axis, for smooth edges
    rows = b""
    for py in range(size):
        row = b"\0"
        for px in range(size):
            acc = [0.0] * 4
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * 64 / size
                    y = (py + (sy + 0.5) / samples) * 64 / size
                    r, g, b, alpha = pixel(x, y)
                    acc = [acc[0] + r * alpha, acc[1] + g * alpha, acc[2] + b * alpha, acc[3] + alpha]
            n = samples * samples
            alpha = acc[3] / n
            rgb = [round(c / acc[3]) if acc[3] else 0 for c in acc[:3]]
            row += bytes(rgb + [round(alpha * 255)])
        rows += row

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


sizes = [16, 24, 32, 48, 64, 256]
images = [png(s) for s in sizes]
offset = 6 + 16 * len(sizes)
out = struct.pack("<HHH", 0, 1, len(sizes))
for size, image in zip(sizes, images):
    out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
    offset += len(image)
open(os.path.join(here, "zl410.ico"), "wb").write(out + b"".join(images))
