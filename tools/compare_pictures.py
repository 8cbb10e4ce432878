#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Compares two PNG pictures of the window pixel by pixel (tools/arm64.sh).

usage: compare_pictures.py <expected.png> <actual.png> [<largest step> <most pixels>]

Says how they differ: not at all, or in how many pixels, where, and by how many levels of
a colour channel at most. Ends with status 0 when every channel differs by at most
<largest step> levels (default 0) in at most <most pixels> pixels (default 0), else 1.
Reads the 8-bit, non-interlaced RGB and RGBA pictures Qt writes; no library needed.
"""

import struct
import sys
import zlib


def load(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit(f"{path}: no PNG picture")
    pos, idat = 8, []
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat.append(body)
    if depth != 8 or interlace != 0 or colour not in (2, 6):
        raise SystemExit(f"{path}: only 8-bit RGB or RGBA pictures, not interlaced")
    step = 3 if colour == 2 else 4
    raw = zlib.decompress(b"".join(idat))
    stride = width * step
    rows, previous, at = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        if kind == 1:
            for x in range(step, stride):
                line[x] = (line[x] + line[x - step]) & 255
        elif kind == 2:
            line = bytearray((a + b) & 255 for a, b in zip(line, previous))
        elif kind == 3:
            for x in range(stride):
                left = line[x - step] if x >= step else 0
                line[x] = (line[x] + ((left + previous[x]) >> 1)) & 255
        elif kind == 4:
            for x in range(stride):
                a = line[x - step] if x >= step else 0
                b = previous[x]
                c = previous[x - step] if x >= step else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(bytes(line))
        previous = line
    return width, height, step, rows


def main():
    expected, actual = sys.argv[1], sys.argv[2]
    largest_step = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    most_pixels = int(sys.argv[4]) if len(sys.argv) > 4 else 0
    w1, h1, s1, rows1 = load(expected)
    w2, h2, s2, rows2 = load(actual)
    if (w1, h1, s1) != (w2, h2, s2):
        print(f"different pictures: {w1}x{h1} against {w2}x{h2}")
        return 1
    pixels, steepest = 0, 0
    left = top = 1 << 30
    right = bottom = -1
    for y in range(h1):
        if rows1[y] == rows2[y]:
            continue
        for x in range(w1):
            a = rows1[y][x * s1:(x + 1) * s1]
            b = rows2[y][x * s1:(x + 1) * s1]
            if a != b:
                pixels += 1
                steepest = max(steepest, max(abs(p - q) for p, q in zip(a, b)))
                left, right = min(left, x), max(right, x)
                top, bottom = min(top, y), max(bottom, y)
    if not pixels:
        print("identical pixels")
        return 0
    print(f"{pixels} pixels differ, by at most {steepest} levels, within x {left}..{right}, "
          f"y {top}..{bottom}")
    return 0 if steepest <= largest_step and pixels <= most_pixels else 1


if __name__ == "__main__":
    sys.exit(main())
