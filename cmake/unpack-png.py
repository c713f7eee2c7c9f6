#!/usr/bin/env python3
"""Unpacks a PNG drawn by rsvg-convert into the program's picture format, so
that nothing decodes PNG at run time: the width and the height (32-bit little
endian) and then the pixels, rows top to bottom, as straight R, G, B, A bytes.

    unpack-png.py <in.png> <out.rgba>
"""
import struct
import sys
import zlib


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def unpack(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, header, packed = 8, None, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            packed += body
        elif kind == b"IEND":
            break
    width, height, depth, colour, _, _, interlace = header
    channels = {6: 4, 2: 3}.get(colour)
    if depth != 8 or channels is None or interlace:
        raise ValueError("only 8-bit RGB or RGBA, not interlaced")
    raw = zlib.decompress(packed)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = row[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            row[x] = (row[x] + (0, left, up, (left + up) // 2, paeth(left, up, corner))[kind]) & 0xFF
        rows.append(row)
        previous = row
    pixels = bytearray()
    for row in rows:
        if channels == 4:
            pixels += row
        else:
            for x in range(0, stride, 3):
                pixels += row[x:x + 3] + b"\xff"
    return struct.pack("<II", width, height) + bytes(pixels)


def main():
    source, target = sys.argv[1:3]
    with open(source, "rb") as f:
        unpacked = unpack(f.read())
    with open(target, "wb") as f:
        f.write(unpacked)


if __name__ == "__main__":
    main()
