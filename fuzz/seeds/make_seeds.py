#!/usr/bin/env python3
"""Writes the hand-made seed inputs of the fuzz targets, field by field: small documents that
each reach one part of the engine (loci of every sort, grids, families, texts, pictures,
buttons, parametric colours), options files, language files, pictures and expressions.
Run from this folder. The golden files, the examples and the hostile files are seeds too
(fuzz/corpora.sh lists them); this script only adds what they lack."""

import os
import struct


def i32(v): return struct.pack('<i', v)
def i16(v): return struct.pack('<h', v)
def real(v): return struct.pack('<d', v)
def text(s): b = s.encode('cp1252'); return i32(len(b)) + b
def font(name='Arial', color=0xC0C0C0, size=12):
    return text(name) + i32(color) + i32(size) + i32(0) * 4


def common(serial, p=(-1, -1, -1), xy=(0, 0, 0, 0), visible=1, param1=-1, color=255, style=1,
           param2=0, dimension=0, decimals=2, csrc=-1, cmode=0, with_font=False):
    out = i32(serial) + b''.join(i32(v) for v in p) + b''.join(real(v) for v in xy)
    out += i32(1) + i32(visible) + i32(param1) + i32(color)
    out += i32(csrc) + i32(cmode) + i32(style) + i32(param2) + i32(dimension) + i32(decimals)
    return out + (font() if with_font else b'')


def sub(serial, p, xy=(0, 0, 0, 0)):
    return i32(serial) + b''.join(i32(v) for v in p) + b''.join(real(v) for v in xy)


def head(coord_system=0, traces=(), animations=()):
    out = i32(300) + i32(1) + i32(0) + i32(1) + i32(0) + i32(40) + i32(coord_system)
    out += real(-512.0) + real(384.0)
    out += i32(len(traces)) + b''.join(i32(t) for t in traces)
    out += i32(len(animations)) + b''.join(i32(s) + i32(1) + i32(0) + i32(15) for s in animations)
    return out


def point(serial, x, y, **kw): return i32(0) + common(serial, xy=(x, y, 0, 0), **kw)
def on(serial, host, t): return i32(1) + common(serial, (host, -1, -1), xy=(0, 0, 0, t))
def midpoint(serial, a, b): return i32(4) + common(serial, (a, b, -1))
def circle(serial, centre, through): return i32(17) + common(serial, (centre, through, -1))
def segment(serial, a, b): return i32(13) + common(serial, (a, b, -1))
def locus(serial, traced, driving, capacity):
    return i32(21) + i32(capacity) + common(serial, (traced, driving, -1), color=0x00FFFF)


def axes(serial, origin, unit=40.0):
    return (i32(39) + real(unit) + real(unit) + sub(serial + 1, (origin, serial, -1))
            + sub(serial + 2, (origin, serial, -1)) + common(serial, (origin, -1, -1),
                                                              color=0x808080))


def bmp(width, height, pixels):
    """A 24-bit bottom-up BMP file image; pixels row by row from the top, (r, g, b)."""
    stride = (width * 3 + 3) // 4 * 4
    rows = b''
    for y in reversed(range(height)):
        row = b''.join(bytes((b, g, r)) for (r, g, b) in pixels[y * width:(y + 1) * width])
        rows += row + b'\0' * (stride - len(row))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    return b'BM' + struct.pack('<IHHI', 14 + len(info) + len(rows), 0, 0, 54) + info + rows


def bmp_file(info, palette, rows):
    offset = 14 + len(info) + len(palette)
    return b'BM' + struct.pack('<IHHI', offset + len(rows), 0, 0, offset) + info + palette + rows


def info_header(width, height, bits, compression=0, size_image=0, colours=0):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, compression, size_image,
                       2835, 2835, colours, 0)


def padded(row):
    return row + b'\0' * ((4 - len(row) % 4) % 4)


def pictures():
    """BMP images of the layouts Windows writes: every depth, palettes, run-length coding, bit
    fields, top-down rows and the old core header."""
    p = {}
    w, h = 5, 3
    p['rgb24.bmp'] = bmp(w, h, [(40 * x, 80 * y, 200) for y in range(h) for x in range(w)])
    rows = b''.join(b''.join(bytes((x * 50, y * 80, 255, 128)) for x in range(w))
                    for y in range(h))
    p['rgb32.bmp'] = bmp_file(info_header(w, h, 32, 0, len(rows)), b'', rows)
    masks = struct.pack('<III', 0x00FF0000, 0x0000FF00, 0x000000FF)
    p['bitfields32.bmp'] = bmp_file(info_header(w, h, 32, 3, len(rows)), masks, rows)
    rows16 = b''.join(padded(b''.join(struct.pack('<H', (x << 11) | (y << 5) | 31)
                                      for x in range(w))) for y in range(h))
    masks16 = struct.pack('<III', 0xF800, 0x07E0, 0x001F)
    p['rgb565.bmp'] = bmp_file(info_header(w, h, 16, 3, len(rows16)), masks16, rows16)
    palette = b''.join(bytes((i * 16, 255 - i * 16, i * 8, 0)) for i in range(16))
    rows8 = b''.join(padded(bytes((x + y) % 16 for x in range(w))) for y in range(h))
    p['palette8.bmp'] = bmp_file(info_header(w, h, 8, 0, len(rows8), 16), palette, rows8)
    rows4 = b''.join(padded(bytes(((x % 16) << 4) | ((x + y) % 16) for x in range(3)))
                     for y in range(h))
    p['palette4.bmp'] = bmp_file(info_header(w, h, 4, 0, len(rows4), 16), palette, rows4)
    rows1 = b''.join(padded(bytes((0b10110000 >> y,))) for y in range(h))
    p['bilevel1.bmp'] = bmp_file(info_header(w, h, 1, 0, len(rows1), 2),
                                 bytes((0, 0, 0, 0, 255, 255, 255, 0)), rows1)
    # Runs, a literal run, a delta, line ends and the end of the picture.
    rle8 = bytes((3, 1, 0, 3, 5, 6, 7, 0, 2, 1, 0, 0, 0, 4, 2, 0, 0, 1))
    p['rle8.bmp'] = bmp_file(info_header(w, h, 8, 1, len(rle8), 16), palette, rle8)
    rle4 = bytes((5, 0x12, 0, 0, 0, 3, 0x34, 0x50, 0, 0, 0, 1))
    p['rle4.bmp'] = bmp_file(info_header(w, h, 4, 2, len(rle4), 16), palette, rle4)
    top_down = info_header(w, -h, 24, 0, 0)
    rows24 = b''.join(padded(bytes((0, 0, 255)) * w) for _ in range(h))
    p['top-down24.bmp'] = bmp_file(top_down, b'', rows24)
    core = struct.pack('<IHHHH', 12, w, h, 1, 24)
    p['core24.bmp'] = bmp_file(core, b'', rows24)
    return p


def languages():
    """Language files: line ends, comments, keys out of every range, long lines, Windows-1252."""
    return {
        'edges.lng': (b'; comment\r\n1000=otro mensaje\r\n  541  =  con espacios  \n'
                      b'-1000=negativo\n99999999999=enorme\n2099=extra\nsin igual\n'
                      b'0=\xe1\xe9\xed\xf3\xfa \x80 \x81\n=vac\xedo\n1001=a=b=c\n'
                      + b'1002=' + b'x' * 400 + b'\n'
                      + b'617=abrir\r\r\n\n\x00\n120=punto\n'),
        'empty.lng': b'',
    }


def expressions():
    """Inputs of fuzz_expression: three bytes of counts, kind and unit, a byte per operand, then
    the typed text."""
    def case(operands, functions, kind, unit, values, text, function_type=0):
        return bytes((operands, functions + 4 * function_type, kind + 3 * unit) + tuple(values)) \
            + text.encode('cp1252')
    return {
        'calculation.txt': case(2, 0, 0, 0, (1, 6), 'a+b*sin(pi/2)'),
        'parameter.txt': case(0, 0, 1, 1, (), '2^3^2-asin(1)'),
        'function.txt': case(1, 2, 2, 0, (4,), 'F1(x)+a*F2(x^2)', 1),
        'polar.txt': case(0, 1, 2, 2, (), 'F1(w)/(1-cos(w))', 3),
        'dimensions.txt': case(3, 0, 0, 0, (17, 33, 49), '(a*b)^0.5/c+abs(-c)'),
        'signs.txt': case(0, 0, 0, 0, (), '--(-(3))^-2*-(-1)'),
        'deep.txt': case(0, 0, 0, 0, (), '(' * 40 + '1' + ')' * 40),
        'edges.txt': case(1, 0, 0, 0, (13,), 'ln(0)+sqr(-1)+a/0+tan(pi/2)+1e308*10'),
    }


def documents():
    d = {}
    # A point locus on a circle, and a point on that locus.
    d['locus-on-circle.kdo'] = (head(traces=(5,), animations=(4,)) + point(1, 0, 0)
                                + point(2, 100, 0) + circle(3, 1, 2) + on(4, 3, 0.3)
                                + point(5, 200, 40) + midpoint(6, 4, 5) + locus(7, 6, 4, 30)
                                + on(8, 7, 0.5))
    # Families: lines, circles and arcs through a point running on a segment.
    d['locus-families.kdo'] = (head() + point(1, -100, 0) + point(2, 100, 50) + segment(3, 1, 2)
                               + on(4, 3, 0.25) + point(5, 0, 150) + point(6, 60, -80)
                               + i32(6) + common(7, (4, 5, -1)) + locus(8, 7, 4, 20)
                               + circle(9, 4, 5) + locus(10, 9, 4, 12)
                               + i32(19) + common(11, (4, 5, 6)) + locus(12, 11, 4, 10))
    # A locus of a locus, both driven through a point on a circle.
    d['locus-of-locus.kdo'] = (head() + point(1, 0, 0) + point(2, 80, 0) + circle(3, 1, 2)
                               + on(4, 3, 0.1) + point(5, 0, 120) + point(6, 150, 0)
                               + circle(7, 5, 6) + on(8, 7, 1.0) + midpoint(9, 4, 8)
                               + locus(10, 9, 4, 16) + locus(11, 10, 8, 6) + on(12, 10, 0.7))
    # Grid-driven loci, rectangular and polar.
    for name, system in (('grid-locus.kdo', 0), ('grid-locus-polar.kdo', 1)):
        d[name] = (head(coord_system=system) + point(1, 0, 0, visible=0) + axes(2, 1)
                   + i32(61) + common(5, (2, -1, -1), color=0x808080)
                   + i32(62) + common(6, (5, -1, -1), xy=(0, 0, 1, 1)) + point(7, 30, -20)
                   + segment(8, 6, 7) + locus(9, 8, 6, 10) + midpoint(10, 6, 7)
                   + locus(11, 10, 6, 10))
    # An angle mark, a polygon with a fill and a point on it, a conic through five points.
    poly = i32(14) + i32(3)
    for k, (a, b) in enumerate(((1, 2), (2, 3), (3, 1))):
        poly += sub(5 + k, (a, b, 4))
    d['angle-polygon-conic.kdo'] = (head() + point(1, 0, 0) + point(2, 120, 10)
                                    + point(3, 30, 90)
                                    + poly + common(4, param1=0x004000, style=2)
                                    + on(8, 4, 1.5)
                                    + i32(20) + common(9, (2, 1, 3), xy=(1.2, 0, 30, 0))
                                    + point(10, -60, -40) + point(11, -20, -90)
                                    + i32(55) + b''.join(i32(s) for s in (1, 2, 3, 10, 11))
                                    + common(12, color=0xFF00FF))
    # Texts, a name, a picture, a hide/show button and a parametric colour sourced after the
    # element it colours.
    picture = bmp(2, 2, [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)])
    d['texts-picture-button.kdo'] = (
        head() + point(1, 0, 0, csrc=5, cmode=1) + point(2, 40, 40)
        + i32(47) + i32(2) + text('Triángulo') + text('dos líneas') + font()
        + common(3, xy=(-300, 200, 0, 0), param1=2, style=-1)
        + i32(48) + text('A') + real(4) + real(4) + real(0) + real(0)
        + common(4, (1, -1, -1), param1=1, style=-1, with_font=True)
        + i32(63) + real(0) + real(10)
        + common(5, xy=(3.5, 0, -200, -150), param1=100, style=-1, with_font=True)
        + i32(67) + i32(len(picture)) + picture + common(6, (-1, -1, -1), xy=(50, 50, 52, 48))
        + i32(66) + i32(2) + text('ver') + i32(2) + i32(3) + i32(1) + i32(0)
        + common(7, xy=(0, 0, 100, -100), param2=1, style=0xC0C0C0, with_font=True))
    # A macro file with one macro of two initial points.
    d['two-macros.MAC'] = (i32(300) + i32(2) + i32(2) + i16(0) + i16(0) + text('medio')
                           + i32(0) + midpoint(2, 0, 1) + circle(3, 2, 0))
    return d


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)


for folder, files in (('document', documents()), ('picture', pictures()),
                      ('language', languages()), ('expression', expressions())):
    for name, data in files.items():
        write(folder, name, data)
# The options seeds (default.ini, edges.ini) were written by the program's own writer: the
# original options, and every field at an edge of its range.
