#!/usr/bin/env python3
"""Writes the program icon: dist/icons/pramlet.svg and PNG files of the usual sizes.

The icon is a controller chip with pins on two sides and a "P" on it.  The shapes are
defined once below; the SVG states them, and the PNG files are drawn from the same
shapes with 4 x 4 samples per pixel, so that both look alike.  Standard library only.

Usage: python3 tools/make_icon.py [--out DIR]
"""

import argparse
import os
import struct
import zlib

SIZES = (16, 24, 32, 48, 64, 128, 256)
VIEW = 64.0  # the shapes' coordinates run from 0 to 64

BODY = (0x1F, 0x3A, 0x5F)
PIN = (0xB8, 0xC2, 0xCC)
MARK = (0xF2, 0xB1, 0x34)
GLYPH = (0xFF, 0xFF, 0xFF)

# (kind, colour, geometry), drawn in order.
#   rect: x, y, w, h, corner radius
#   ring: cx, cy, outer r, inner r, keeps x >= cx only (the bowl of the P)
SHAPES = []
for _i in range(4):
    _y = 14 + _i * 10
    SHAPES.append(("rect", PIN, (4, _y, 10, 5, 1)))
    SHAPES.append(("rect", PIN, (50, _y, 10, 5, 1)))
SHAPES += [
    ("rect", BODY, (10, 8, 44, 48, 6)),
    ("ring", MARK, (18, 16, 3.5, 0, False)),
    ("rect", GLYPH, (23, 18, 6, 30, 0)),
    ("rect", GLYPH, (23, 18, 11, 6, 0)),
    ("rect", GLYPH, (23, 30, 11, 6, 0)),
    ("ring", GLYPH, (34, 27, 9, 3, True)),
]


def inside(kind, g, x, y):
    if kind == "rect":
        rx, ry, w, h, r = g
        if not (rx <= x <= rx + w and ry <= y <= ry + h):
            return False
        cx = min(max(x, rx + r), rx + w - r)
        cy = min(max(y, ry + r), ry + h - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    cx, cy, outer, inner, right_half = g
    d = (x - cx) ** 2 + (y - cy) ** 2
    return inner * inner <= d <= outer * outer and (not right_half or x >= cx)


def svg():
    out = ['<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">']
    hexc = lambda c: "#%02x%02x%02x" % c
    for kind, colour, g in SHAPES:
        if kind == "rect":
            x, y, w, h, r = g
            out.append('  <rect x="%g" y="%g" width="%g" height="%g" rx="%g" fill="%s"/>'
                       % (x, y, w, h, r, hexc(colour)))
        elif not g[4]:
            out.append('  <circle cx="%g" cy="%g" r="%g" fill="%s"/>'
                       % (g[0], g[1], g[2], hexc(colour)))
        else:
            cx, cy, outer, inner, _ = g
            out.append('  <path d="M %g %g A %g %g 0 0 1 %g %g L %g %g A %g %g 0 0 0 %g %g Z" '
                       'fill="%s"/>' % (cx, cy - outer, outer, outer, cx, cy + outer,
                                        cx, cy + inner, inner, inner, cx, cy - inner,
                                        hexc(colour)))
    out.append("</svg>")
    return "\n".join(out) + "\n"


def png(size):
    samples = 4
    rows = []
    for py in range(size):
        row = bytearray([0])  # filter type none
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * VIEW / size
                    y = (py + (sy + 0.5) / samples) * VIEW / size
                    colour = None
                    for kind, c, g in SHAPES:
                        if inside(kind, g, x, y):
                            colour = c
                    if colour:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = samples * samples
            if acc[3]:
                row += bytes([round(acc[0] / acc[3]), round(acc[1] / acc[3]),
                              round(acc[2] / acc[3]), round(255 * acc[3] / n)])
            else:
                row += bytes(4)
        rows.append(bytes(row))

    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data +
                struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(os.path.dirname(here), "dist", "icons"))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    with open(os.path.join(args.out, "pramlet.svg"), "w", encoding="ascii") as f:
        f.write(svg())
    for size in SIZES:
        with open(os.path.join(args.out, "pramlet-%d.png" % size), "wb") as f:
            f.write(png(size))
    print("wrote pramlet.svg and %d PNG files to %s" % (len(SIZES), args.out))


if __name__ == "__main__":
    main()
