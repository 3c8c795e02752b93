#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerate the desktop icons of Korvath simulation from korvath.xpm.

Writes, next to this script:
  korvath-32.png  the same 32x32 pixels as a PNG (for the hicolor/32x32 theme folder)
  korvath.svg     a scalable drawing of the same picture

Only the Python standard library is used, and the output is deterministic:
running the script twice gives byte-identical files.

Usage:  python3 resources/make_icons.py
"""

import math
import os
import re
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SIZE = 32

# The standard 16-colour VGA palette, by index.
VGA = [
    0x000000,  # 0 black
    0x800000,  # 1 dark red
    0x008000,  # 2 dark green
    0x808000,  # 3 dark yellow
    0x000080,  # 4 dark blue
    0x800080,  # 5 dark magenta
    0x008080,  # 6 dark cyan
    0xC0C0C0,  # 7 light grey
    0x808080,  # 8 grey
    0xFF0000,  # 9 red
    0x00FF00,  # 10 green
    0xFFFF00,  # 11 yellow
    0x0000FF,  # 12 blue
    0xFF00FF,  # 13 magenta
    0x00FFFF,  # 14 cyan
    0xFFFFFF,  # 15 white
]


# ---------------------------------------------------------------- XPM input

def read_xpm(path):
    """Return (rows, colours): rows is a list of strings, colours maps char -> 0xRRGGBB."""
    with open(path, encoding="ascii") as f:
        strings = re.findall(r'"([^"]*)"', f.read())
    width, height, ncolours, cpp = (int(v) for v in strings[0].split()[:4])
    if cpp != 1:
        sys.exit("make_icons: only one character per pixel is supported")
    colours = {}
    for line in strings[1:1 + ncolours]:
        char, rest = line[0], line[1:].split()
        if len(rest) != 2 or rest[0] != "c" or not re.fullmatch(r"#[0-9A-Fa-f]{6}", rest[1]):
            sys.exit("make_icons: unsupported colour line %r" % line)
        colours[char] = int(rest[1][1:], 16)
    rows = strings[1 + ncolours:1 + ncolours + height]
    if (width, height) != (SIZE, SIZE) or len(rows) != height or any(len(r) != width for r in rows):
        sys.exit("make_icons: korvath.xpm must be %dx%d" % (SIZE, SIZE))
    for r in rows:
        for ch in r:
            if ch not in colours:
                sys.exit("make_icons: pixel %r has no colour" % ch)
    return rows, colours


def to_indices(rows, colours):
    """Map every pixel to its VGA palette index."""
    index = {}
    for ch, rgb in colours.items():
        if rgb not in VGA:
            sys.exit("make_icons: colour #%06X is not in the VGA palette" % rgb)
        index[ch] = VGA.index(rgb)
    return [[index[ch] for ch in r] for r in rows]


# ---------------------------------------------------------------- PNG output

def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def png_bytes(pixels):
    raw = bytearray()
    for row in pixels:
        raw.append(0)                                 # filter type: none
        for i in row:
            c = VGA[i]
            raw += bytes((c >> 16, (c >> 8) & 0xFF, c & 0xFF))
    ihdr = struct.pack(">IIBBBBB", SIZE, SIZE, 8, 2, 0, 0, 0)   # 8-bit RGB
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr)
            + png_chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + png_chunk(b"IEND", b""))


# ---------------------------------------------------------------- SVG output
# Coordinates: the pixel (x, y) of the XPM covers the square [x, x+1] x [y, y+1].

CX, CY = 13.0, 17.0          # centre of the disc
DISC_R = 6.5                 # disc radius (centre of its 1-unit dark-blue rim)


def num(v):
    s = "%.3f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s == "-0" else s


def ring_arcs(radius, half_gap):
    """Path of a ring made of four arcs, with a gap of 2*half_gap across each of
    the four axis directions (as in the XPM)."""
    a = math.asin(half_gap / radius)
    parts = []
    for q in range(4):
        t0 = q * math.pi / 2 + a
        t1 = (q + 1) * math.pi / 2 - a
        parts.append("M%s %sA%s %s 0 0 1 %s %s" % (
            num(CX + radius * math.cos(t0)), num(CY + radius * math.sin(t0)),
            num(radius), num(radius),
            num(CX + radius * math.cos(t1)), num(CY + radius * math.sin(t1))))
    return "".join(parts)


def svg_text():
    inner = ring_arcs(1.5 * DISC_R, 1.0)      # red ring
    outer = ring_arcs(12.5, 2.0)              # dark-red ring (kept inside the frame)
    return """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="32" height="32" viewBox="0 0 32 32">
  <rect x="0" y="0" width="32" height="32" rx="3" ry="3" fill="#000000"/>
  <path d="{outer}" fill="none" stroke="#800000" stroke-width="1"/>
  <path d="{inner}" fill="none" stroke="#FF0000" stroke-width="1"/>
  <circle cx="{cx}" cy="{cy}" r="{r}" fill="#0000FF" stroke="#000080" stroke-width="1"/>
  <circle cx="{cx}" cy="{cy}" r="1.5" fill="none" stroke="#FFFF00" stroke-width="1"/>
  <path d="M27.5 5.5C21.5 5.5 14 7 3.2 14.9" fill="none" stroke="#FFFFFF" stroke-width="1" stroke-linecap="round"/>
  <rect x="27.5" y="3.5" width="4" height="4" fill="none" stroke="#FFFF00" stroke-width="1"/>
</svg>
""".format(outer=outer, inner=inner, cx=num(CX), cy=num(CY), r=num(DISC_R))


# ---------------------------------------------------------------- main

def write(name, data):
    path = os.path.join(HERE, name)
    mode = "w" if isinstance(data, str) else "wb"
    kwargs = {"encoding": "ascii", "newline": "\n"} if mode == "w" else {}
    with open(path, mode, **kwargs) as f:
        f.write(data)
    print("wrote", os.path.relpath(path))


def main():
    rows, colours = read_xpm(os.path.join(HERE, "korvath.xpm"))
    pixels = to_indices(rows, colours)
    write("korvath-32.png", png_bytes(pixels))
    write("korvath.svg", svg_text())


if __name__ == "__main__":
    main()
