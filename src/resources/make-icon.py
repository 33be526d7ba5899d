#!/usr/bin/env python3
"""Draws the program's icon: Plevo.ico (32x32 and 16x16, 32-bit with alpha) next to this script,
for the Windows programs, and plevo-SIZE.png (16 to 256 pixels) in packaging/icons/ for the
desktop's icon theme on Linux.

A blue rounded tile with a white list on it, whose lines get shorter as the list is cleaned,
and a red "no entry" sign for the blocked senders. Standard library only; the output is
committed, so the build does not run this.
"""
import math
import pathlib
import struct
import zlib

TILE = (38, 99, 186)
TILE_EDGE = (22, 62, 128)
PAPER = (255, 255, 255)
LINE = (120, 135, 160)
SIGN = (210, 40, 40)


def inside_rounded(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius**2 and left <= x <= right and top <= y <= bottom


def colour_at(x, y):
    """The colour at a point of the unit square (0..1), or None where the icon is clear."""
    if not inside_rounded(x, y, 0.03, 0.03, 0.97, 0.97, 0.16):
        return None
    colour = TILE if inside_rounded(x, y, 0.07, 0.07, 0.93, 0.93, 0.13) else TILE_EDGE
    if 0.18 <= x <= 0.70 and 0.14 <= y <= 0.86:
        colour = PAPER
        for row, length in enumerate((0.42, 0.36, 0.42, 0.28, 0.20)):
            top = 0.22 + row * 0.12
            if top <= y <= top + 0.06 and 0.24 <= x <= 0.24 + length:
                colour = LINE
    distance = math.hypot(x - 0.72, y - 0.72)
    if distance <= 0.25:
        colour = PAPER
        if 0.17 <= distance <= 0.24:
            colour = SIGN
        # The bar of the sign, from top left to bottom right.
        elif abs((x - 0.72) - (y - 0.72)) / math.sqrt(2) <= 0.045 and distance < 0.2:
            colour = SIGN
    return colour


def render(size, samples=4):
    """Rows of (r, g, b, a), top row first, each pixel averaged over samples x samples points."""
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / size,
                                  (py + (sy + 0.5) / samples) / size)
                    if c:
                        r, g, b, covered = r + c[0], g + c[1], b + c[2], covered + 1
            if covered:
                row.append((r // covered, g // covered, b // covered,
                            255 * covered // (samples * samples)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def icon_image(size):
    """One icon image: a BITMAPINFOHEADER, the BGRA pixels bottom-up, and the AND mask."""
    rows = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + pixels + bytes(mask)


def png_chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def png_image(size):
    """A PNG file: 8-bit RGBA, not interlaced, each row unfiltered (filter byte 0)."""
    rows = render(size)
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header) +
            png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def write_pngs():
    # Only the sizes an icon theme names; the desktop scales between them.
    folder = pathlib.Path(__file__).resolve().parents[2] / "packaging" / "icons"
    folder.mkdir(exist_ok=True)
    for size in (16, 32, 48, 64, 128, 256):
        (folder / f"plevo-{size}.png").write_bytes(png_image(size))


def write_ico():
    sizes = (32, 16)
    images = [icon_image(size) for size in sizes]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, image in zip(sizes, images):
        data += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    data += b"".join(images)
    (pathlib.Path(__file__).parent / "Plevo.ico").write_bytes(data)


def main():
    write_ico()
    write_pngs()


if __name__ == "__main__":
    main()
