#!/usr/bin/env python3
"""Draws the program's two icons from the hourglass described below and writes them as .ico files.

    make_icons.py [OUTPUT_DIR]      (default: the directory of this script)

idle.ico   16, 20, 24, 32, 48 and 256 pixels: a light-grey hourglass on a grey square.
active.ico the same sizes: the same hourglass in red.

Each size is drawn for itself, none scaled from another: the notification area asks for the small-icon size
of the screen's scale (16, 20, 24 or 32 pixels), and both looks must be crisp there.

Every image has 256 colours: the small ones as 8-bit palettised bitmaps with their AND mask, the
256-pixel one as an 8-bit palettised PNG, as icons of that size are stored (a bitmap of it alone
would weigh 73 KB in the program). Shapes are polygons in a unit square (x to the right, y downwards), painted in
order; each pixel is sampled on an 8 x 8 grid and mapped to the nearest palette colour. The
output depends on nothing but this file, so it is the same byte for byte on every run.
"""

import os
import struct
import sys
import zlib

# Colours, as (red, green, blue).
SQUARE = (128, 128, 128)
EDGE = (92, 92, 92)
GLYPH_IDLE = (226, 226, 226)
GLYPH_ACTIVE = (222, 36, 36)

# Indices into the list of base colours handed to the painter.
C_SQUARE, C_EDGE, C_GLYPH = 0, 1, 2

SUBSAMPLES = 8

# Both icons have every size.
SIZES = (16, 20, 24, 32, 48, 256)


def _snap(v, size, hint):
    """Moves a coordinate onto a pixel edge in the small images, so straight lines stay crisp."""
    return round(v * size) / size if hint else v


def _inset_convex(poly, dists):
    """Moves each edge i (from vertex i to vertex i+1) of a convex, clockwise-on-screen polygon
    inwards by dists[i] and returns the corners of the smaller polygon."""
    n = len(poly)
    lines = []
    for i in range(n):
        (x0, y0), (x1, y1) = poly[i], poly[(i + 1) % n]
        dx, dy = x1 - x0, y1 - y0
        length = (dx * dx + dy * dy) ** 0.5
        # With y downwards, (-dy, dx) points into a clockwise polygon.
        nx, ny = -dy / length, dx / length
        lines.append(((x0 + nx * dists[i], y0 + ny * dists[i]), (dx, dy)))
    out = []
    for i in range(n):
        (p, d), (q, e) = lines[i - 1], lines[i]
        den = d[0] * e[1] - d[1] * e[0]
        t = ((q[0] - p[0]) * e[1] - (q[1] - p[1]) * e[0]) / den
        out.append((p[0] + t * d[0], p[1] + t * d[1]))
    return out


def _clip_below(poly, level):
    """The part of a convex polygon at or below the horizontal line y = level (y grows downwards)."""
    out = []
    n = len(poly)
    for i in range(n):
        a, b = poly[i], poly[(i + 1) % n]
        a_in, b_in = a[1] >= level, b[1] >= level
        if a_in:
            out.append(a)
        if a_in != b_in:
            t = (level - a[1]) / (b[1] - a[1])
            out.append((a[0] + t * (b[0] - a[0]), level))
    return out


def _rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def hourglass(size):
    """The picture as a list of (polygon, colour index), painted in that order."""
    hint = size <= 48
    px = 1.0 / size
    s = lambda v: _snap(v, size, hint)

    shapes = [(_rect(0, 0, 1, 1), C_EDGE)]
    edge = s(max(px, 0.03))
    shapes.append((_rect(edge, edge, 1 - edge, 1 - edge), C_SQUARE))

    left, right = s(0.19), s(0.81)
    top, bottom = s(0.12), s(0.88)
    cap = s(max(px, 0.085))
    # The two end plates.
    shapes.append((_rect(left, top, right, top + cap), C_GLYPH))
    shapes.append((_rect(left, bottom - cap, right, bottom), C_GLYPH))

    # The glass: two bulbs closed at a narrow neck, drawn as a solid outline with the insides cut out.
    g_left, g_right = s(0.26), s(0.74)
    mid = 0.5
    neck = 0.065
    upper = [(g_left, top + cap), (g_right, top + cap), (0.5 + neck, mid), (0.5 - neck, mid)]
    lower = [(0.5 - neck, mid), (0.5 + neck, mid), (g_right, bottom - cap), (g_left, bottom - cap)]
    shapes.append((upper, C_GLYPH))
    shapes.append((lower, C_GLYPH))
    if size < 24:
        # Too small for walls and sand: the glass stays solid.
        return shapes
    wall = max(1.2 * px, 0.04)
    upper_in = _inset_convex(upper, [0, wall, wall, wall])
    lower_in = _inset_convex(lower, [wall, wall, 0, wall])
    shapes.append((upper_in, C_SQUARE))
    shapes.append((lower_in, C_SQUARE))

    # Sand: what is left in the upper bulb, the falling thread and the heap in the lower bulb.
    shapes.append((_clip_below(upper_in, 0.36), C_GLYPH))
    thread = max(px, 0.02) / 2
    shapes.append((_rect(0.5 - thread, mid, 0.5 + thread, bottom - cap), C_GLYPH))
    # A low mound on the flat part of the heap; the clipped polygon starts and ends on the cut line.
    shapes.append((_clip_below(lower_in, 0.70) + [(0.5, 0.63)], C_GLYPH))
    return shapes


def _fill_polygon(rows, poly, colour, scale):
    """Even-odd scanline fill of one polygon into the sample rows (sample centres at i + 0.5)."""
    pts = [(x * scale, y * scale) for x, y in poly]
    n = len(pts)
    height = len(rows)
    width = len(rows[0])
    ys = [p[1] for p in pts]
    first = max(0, int(min(ys) - 1))
    last = min(height, int(max(ys) + 2))
    fill = bytes([colour])
    for j in range(first, last):
        yc = j + 0.5
        xs = []
        for i in range(n):
            (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
            if (y0 <= yc < y1) or (y1 <= yc < y0):
                xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
        xs.sort()
        for k in range(0, len(xs) - 1, 2):
            a = max(0, int(-(-(xs[k] - 0.5) // 1)))
            b = min(width, int(-(-(xs[k + 1] - 0.5) // 1)))
            if b > a:
                rows[j][a:b] = fill * (b - a)


def _palette(colours):
    """256 colours: a ramp of 85 steps between every pair of base colours, black for the rest."""
    pal = []
    for i in range(len(colours)):
        for j in range(i + 1, len(colours)):
            a, b = colours[i], colours[j]
            for k in range(85):
                pal.append(tuple(round(a[c] + (b[c] - a[c]) * k / 84) for c in range(3)))
    pal += [(0, 0, 0)] * (256 - len(pal))
    return pal[:256]


def render(size, glyph):
    """Returns (palette, pixel rows top to bottom as palette indices) for one image."""
    colours = [SQUARE, EDGE, glyph]
    ss = size * SUBSAMPLES
    rows = [bytearray(ss) for _ in range(ss)]
    for poly, colour in hourglass(size):
        _fill_polygon(rows, poly, colour, ss)

    pal = _palette(colours)
    nearest = {}
    n2 = SUBSAMPLES * SUBSAMPLES
    image = []
    for y in range(size):
        band = rows[y * SUBSAMPLES:(y + 1) * SUBSAMPLES]
        line = bytearray(size)
        for x in range(size):
            cells = [r[x * SUBSAMPLES:(x + 1) * SUBSAMPLES] for r in band]
            counts = tuple(sum(c.count(k) for c in cells) for k in range(len(colours)))
            index = nearest.get(counts)
            if index is None:
                mix = [sum(counts[k] * colours[k][c] for k in range(len(colours))) / n2 for c in range(3)]
                index = min(range(256), key=lambda i: (sum((pal[i][c] - mix[c]) ** 2 for c in range(3)), i))
                nearest[counts] = index
            line[x] = index
        image.append(line)
    return pal, image


def bitmap(size, glyph):
    """The icon image as stored in an .ico file: header, palette, colour bits, AND mask."""
    pal, image = render(size, glyph)
    stride = (size + 3) & ~3
    mask_stride = ((size + 31) // 32) * 4
    xor_bits = b"".join(bytes(row) + bytes(stride - size) for row in reversed(image))
    # The square covers the whole image, so every pixel is opaque.
    and_bits = bytes(mask_stride * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 8, 0, len(xor_bits) + len(and_bits), 0, 0, 0, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in pal)
    return header + colours + xor_bits + and_bits


def _png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png(size, glyph):
    """The icon image as a palettised PNG; every pixel is opaque, so it needs no transparency chunk."""
    pal, image = render(size, glyph)
    header = struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0)
    raw = b"".join(b"\0" + bytes(row) for row in image)
    return (b"\x89PNG\r\n\x1a\n" + _png_chunk(b"IHDR", header)
            + _png_chunk(b"PLTE", b"".join(bytes(c) for c in pal))
            + _png_chunk(b"IDAT", zlib.compress(raw, 9)) + _png_chunk(b"IEND", b""))


def ico(sizes, glyph):
    images = [png(size, glyph) if size == 256 else bitmap(size, glyph) for size in sizes]
    out = [struct.pack("<HHH", 0, 1, len(images))]
    offset = 6 + 16 * len(images)
    for size, data in zip(sizes, images):
        out.append(struct.pack("<BBBBHHII", size & 0xFF, size & 0xFF, 0, 0, 1, 8, len(data), offset))
        offset += len(data)
    return b"".join(out + images)


def main(argv):
    out_dir = argv[1] if len(argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(out_dir, exist_ok=True)
    for name, glyph in (("idle.ico", GLYPH_IDLE), ("active.ico", GLYPH_ACTIVE)):
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(ico(SIZES, glyph))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
