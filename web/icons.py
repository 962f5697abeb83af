# SPDX-FileCopyrightText: 2026 Morvela contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""The icon of the installed page, from the same pixel art as the desktop's: an XPM of one
character a pixel, scaled by the largest whole factor that fits, nearest neighbour, centred on a
transparent square, written as PNG. Python's standard library only, as the page is built without
Qt. Usage: icons.py IN.xpm SIZE OUT.png"""
import re
import struct
import sys
import zlib

source, size, out = sys.argv[1], int(sys.argv[2]), sys.argv[3]
strings = re.findall(r'"([^"]*)"', open(source, encoding="ascii").read())
width, height, colours, chars = map(int, strings[0].split()[:4])
if chars != 1 or width != height or len(strings) < 1 + colours + height:
    sys.exit(f"icons: {source} is no square XPM of one character a pixel")
palette = {}
for entry in strings[1:1 + colours]:
    value = entry[1:].split()[-1]
    palette[entry[0]] = (0, 0, 0, 0) if value == "None" else (
        int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)
pixels = strings[1 + colours:1 + colours + height]
factor = size // width
if factor < 1:
    sys.exit(f"icons: cannot make {size} px from {source}")
margin = (size - width * factor) // 2
rows = []
for y in range(size):
    row = bytearray(b"\0")
    source_y = (y - margin) // factor
    for x in range(size):
        source_x = (x - margin) // factor
        inside = 0 <= source_x < width and 0 <= source_y < height
        row += bytes(palette[pixels[source_y][source_x]] if inside else (0, 0, 0, 0))
    rows.append(bytes(row))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(
        ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


with open(out, "wb") as f:
    f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))
