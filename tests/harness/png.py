# jaggo tests: a PNG file read into its pixels, by the tests' own decoder (zlib from Python's
# standard library): 8-bit RGB, not interlaced, the five row filters undone. Anything else
# is an error, so a picture written otherwise fails the test that reads it.
import struct
import zlib

SIGNATURE = b"\x89PNG\r\n\x1a\n"


def _chunks(data):
    at = len(SIGNATURE)
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if zlib.crc32(kind + body) != struct.unpack(">I", data[at + 8 + length:at + 12 + length])[0]:
            raise ValueError("bad CRC in chunk %r" % kind)
        yield kind, body
        at += 12 + length


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def read(path):
    """(width, height, rgb): rgb holds 3 bytes a pixel, rows top to bottom."""
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(SIGNATURE):
        raise ValueError("%s is not a PNG file" % path)
    chunks = list(_chunks(data))
    if chunks[0][0] != b"IHDR" or chunks[-1][0] != b"IEND":
        raise ValueError("%s: IHDR first and IEND last expected" % path)
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    if (depth, colour, interlace) != (8, 2, 0):
        raise ValueError("%s: depth %d, colour type %d, interlace %d" % (path, depth, colour, interlace))
    step = 3
    raw = zlib.decompress(b"".join(body for kind, body in chunks if kind == b"IDAT"))
    stride = width * step
    if len(raw) != height * (stride + 1):
        raise ValueError("%s: %d bytes of rows for %dx%d" % (path, len(raw), width, height))
    previous = bytearray(stride)
    rows = []
    for y in range(height):
        kind = raw[y * (stride + 1)]
        row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        if kind == 1:
            for i in range(step, stride):
                row[i] = (row[i] + row[i - step]) & 255
        elif kind == 2:
            row = bytearray((a + b) & 255 for a, b in zip(row, previous))
        elif kind == 3:
            for i in range(stride):
                row[i] = (row[i] + ((row[i - step] if i >= step else 0) + previous[i]) // 2) & 255
        elif kind == 4:
            for i in range(stride):
                left = row[i - step] if i >= step else 0
                corner = previous[i - step] if i >= step else 0
                row[i] = (row[i] + _paeth(left, previous[i], corner)) & 255
        elif kind != 0:
            raise ValueError("%s: row %d has filter %d" % (path, y, kind))
        rows.append(row)
        previous = row
    return width, height, bytes(b"".join(rows))
