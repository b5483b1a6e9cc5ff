#!/usr/bin/env python3
"""Writes the input files of the golden dump cases, field by field, independently of the
program's own writer. Run from this folder; the expected dumps are then refreshed with
ZEVA_UPDATE_GOLDEN=1 ./zeva_test_doc --gtest_filter='Golden*' and reviewed by hand."""

import os
import struct


def i32(v): return struct.pack('<i', v)
def i16(v): return struct.pack('<h', v)
def real(v): return struct.pack('<d', v)
def text(s): b = s.encode('cp1252'); return i32(len(b)) + b
def font(name, color, size, bold=0, italic=0, underline=0, strikeout=0):
    return text(name) + i32(color) + i32(size) + i32(bold) + i32(italic) + i32(underline) + i32(strikeout)


def common(serial, p=(-1, -1, -1), xy=(0, 0, 0, 0), visible=1, param1=-1, color=255,
           style=1, param2=0, dimension=0, decimals=2, csrc=-1, cmode=0, version=300):
    out = i32(serial) + b''.join(i32(v) for v in p) + b''.join(real(v) for v in xy)
    out += i32(1) + i32(visible) + i32(param1) + i32(color)
    if version >= 300:
        out += i32(csrc) + i32(cmode) + i32(style) + i32(param2) + i32(dimension) + i32(decimals)
    else:
        out += i32(style)
    return out


def sub(serial, p, xy=(0, 0, 0, 0)):
    return i32(serial) + b''.join(i32(v) for v in p) + b''.join(real(v) for v in xy)


def triangle_document(version):
    v = version
    numbers = font('Arial', 0xC0C0C0, 12) if v >= 300 else b''
    names = font('Arial', 0x00FF00, 10) if v >= 300 else b''
    out = i32(v) + i32(1) + i32(0)
    if v >= 300:
        out += i32(1)
    out += i32(1) + i32(40) + i32(0) + real(-400.0) + real(300.0)
    if v > 100:
        out += i32(1) + i32(9)                                  # trace: the midpoint
        out += i32(1) + i32(3) + i32(1) + i32(1) + i32(3 if v < 300 else 15)
    out += i32(0) + common(1, version=v)                                  # 1 A
    out += i32(0) + common(2, xy=(120, 0, 0, 0), version=v)               # 2 B
    out += i32(0) + common(3, xy=(40, 90, 0, 0), version=v)               # 3 C
    out += i32(13) + common(4, (1, 2, -1), color=0xFF0000, version=v)     # 4 AB
    out += (i32(14) + i32(3) + sub(6, (1, 2, 5)) + sub(7, (2, 3, 5)) + sub(8, (3, 1, 5))
            + common(5, param1=0x008000, color=0xFF0000, style=2, version=v))  # 5 ABC, 6-8
    out += i32(4) + common(9, (1, 2, -1), version=v)                      # 9 midpoint M
    out += i32(17) + common(10, (9, 3, -1), param1=-1, color=0xFF0000, version=v)  # 10 circle
    out += (i32(28) + common(11, (1, 2, -1), xy=(0, 0.5, 0, 0), param1=100, color=0xC0C0C0,
                             style=-1, param2=100, dimension=1, decimals=3, version=v)
            + numbers)                                                    # 11 distance AB
    out += (i32(48) + text('A') + real(4) + real(4) + real(0) + real(0)
            + common(12, (1, -1, -1), param1=1, color=0x00FF00, style=-1, version=v)
            + names)                                                      # 12 name of A
    out += i32(0) + common(13, visible=0, version=v)                      # 13 origin O
    out += (i32(39) + real(40) + real(40) + sub(15, (13, 14, -1)) + sub(16, (13, 14, -1))
            + common(14, (13, -1, -1), color=0x808080, version=v))        # 14 axes, 15-16
    out += i32(6) + common(17, (1, 2, -1), color=0x808080, version=v)     # 17 line AB
    eq = real(0.5) if v >= 300 else b''
    out += (i32(45) + eq + text('')
            + common(18, (17, 14, -1), color=0xC0C0C0, style=-1, param2=100, version=v)
            + numbers)                                                    # 18 equation of AB
    out += (i32(52) + text('pertenece') + text('no pertenece')
            + common(19, (3, 10, -1), xy=(0, 0, -300, 200), color=0xC0C0C0, style=-1,
                     version=v)
            + numbers)                                                    # 19 C on the circle?
    out += (i32(47) + i32(2) + text('Triángulo') + text('y su círculo')
            + (font('Arial', 0xFFFFFF, 11) if v > 100 else b'')
            + common(20, xy=(-350, 250, 0, 0), param1=2, color=0xFFFFFF, style=-1, version=v))
    return out


def macro_file():
    out = i32(300) + i32(2) + i32(2) + i16(0) + i16(0) + text('Punto medio')
    out += i32(1) + text('El punto medio de dos puntos')
    out += i32(4) + common(2, (0, 1, -1))
    out += i32(13) + common(3, (0, 2, -1), color=0xFF0000)
    return out


def write(case, name, data):
    os.makedirs(case, exist_ok=True)
    with open(os.path.join(case, name), 'wb') as f:
        f.write(data)


write('triangle_300', 'input.KDO', triangle_document(300))
write('triangle_200', 'input.KDO', triangle_document(200))
write('triangle_100', 'input.KDO', triangle_document(100))
write('midpoint_macro', 'input.MAC', macro_file())
