#!/usr/bin/env python3
"""Writes a 24-bit Windows bitmap as a PNG with the same pixels, for the
browser edition, which sends fewer bytes that way. The output depends on the
pixels alone (no time or text chunks), so each build writes the same file.

  bmp-to-png.py IN.bmp OUT.png"""
import struct
import sys
import zlib


def read_bmp(path):
    data = open(path, 'rb').read()
    offset, = struct.unpack_from('<I', data, 10)
    header, width, height, planes, bits, compression = struct.unpack_from('<IiiHHI', data, 14)
    if data[:2] != b'BM' or bits != 24 or compression != 0:
        sys.exit(f'bmp-to-png: {path} is no uncompressed 24-bit bitmap')
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        at = offset + (abs(height) - 1 - y if height > 0 else y) * stride
        bgr = data[at:at + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    return width, abs(height), rows


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def filtered(row, prev):
    """Each of PNG's five filters of a row; the one with the smallest sum of
    magnitudes, the usual rule, with its type byte."""
    left = bytes(3) + row[:-3]
    upleft = bytes(3) + prev[:-3]
    candidates = [
        row,
        bytes((x - a) & 255 for x, a in zip(row, left)),
        bytes((x - b) & 255 for x, b in zip(row, prev)),
        bytes((x - ((a + b) >> 1)) & 255 for x, a, b in zip(row, left, prev)),
        bytes((x - paeth(a, b, c)) & 255 for x, a, b, c in zip(row, left, prev, upleft)),
    ]
    cost = [sum(v if v < 128 else 256 - v for v in f) for f in candidates]
    kind = cost.index(min(cost))
    return bytes([kind]) + candidates[kind]


def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))


def main():
    width, height, rows = read_bmp(sys.argv[1])
    prev = bytes(width * 3)
    raw = bytearray()
    for row in rows:
        raw += filtered(row, prev)
        prev = row
    png = (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0)) +
           chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b''))
    open(sys.argv[2], 'wb').write(png)


if __name__ == '__main__':
    main()
