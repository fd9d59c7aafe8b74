#!/usr/bin/env python3
"""Draws the images of the language libraries from the pixel art below and writes them
beside this script: toolbar.bmp (8 glyphs of 16 x 16, 16 colours, light grey background,
which the toolbar maps to the button face), transfer_plus.ico and transfer_minus.ico
(16 x 16 and 32 x 32) and split.cur (the splitter cursor, 32 x 32, hot spot in the middle).
Run it after changing a drawing and check in its output: python3 make_images.py"""

import os
import struct

# The 16 standard colours; the letters below pick them. '.' is the background: light grey
# in the toolbar bitmap, transparent in icons.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
COLOUR = {'k': 0, 'R': 1, 'G': 2, 'o': 3, 'n': 4, 'p': 5, 't': 6, '.': 7,
          'g': 8, 'r': 9, 'l': 10, 'y': 11, 'b': 12, 'm': 13, 'c': 14, 'w': 15}

# Toolbar images in button order: new, duplicate, edit, delete, three spare images for the
# commands without an action (arrow, axes, table), about.
TOOLBAR = [
    ["................",
     "..kkkkkkkk......",
     "..kwwwwwwkk.....",
     "..kwwwwwwkwk....",
     "..kwwwwwwkkkk...",
     "..kwwwwwwwwwk...",
     "..kwwwwwwwwwk...",
     "..kwwwwwwwwwk...",
     "..kwwwwwwwGww...",
     "..kwwwwwwwGww...",
     "..kwwwwwGGGGG...",
     "..kwwwwwwwGww...",
     "..kwwwwwwwGww...",
     "..kwwwwwwwwwk...",
     "..kkkkkkkkkkk...",
     "................"],
    ["................",
     ".kkkkkkk........",
     ".kwwwwwk........",
     ".kwwwwwk........",
     ".kwwkkkkkkkk....",
     ".kwwkwwwwwwk....",
     ".kwwkwwwwwwk....",
     ".kwwkwgggwwk....",
     ".kkkkwwwwwwk....",
     "....kwgggwwk....",
     "....kwwwwwwk....",
     "....kwgggwwk....",
     "....kwwwwwwk....",
     "....kkkkkkkk....",
     "................",
     "................"],
    ["................",
     "..kkkkkkkk......",
     "..kwwwwwwkk.....",
     "..kwwwwwwkwk..k.",
     "..kwwwwwwkkkkkyk",
     "..kwwwwwwwwkyyk.",
     "..kwwwwwwwkyyk..",
     "..kwwwwwwkyyk...",
     "..kwwwwwkyyk....",
     "..kwwwwkyyk.....",
     "..kwwwwkkk......",
     "..kwwwwkk.......",
     "..kwwwwwwwwwk...",
     "..kwwwwwwwwwk...",
     "..kkkkkkkkkkk...",
     "................"],
    ["................",
     "................",
     "...rr......rr...",
     "...rrr....rrr...",
     "....rrr..rrr....",
     ".....rrrrrr.....",
     "......rrrr......",
     "......rrrr......",
     ".....rrrrrr.....",
     "....rrr..rrr....",
     "...rrr....rrr...",
     "...rr......rr...",
     "................",
     "................",
     "................",
     "................"],
    ["................",
     "................",
     "................",
     "................",
     ".........k......",
     ".........kk.....",
     "..kkkkkkkkGk....",
     "..kGGGGGGGGGk...",
     "..kGGGGGGGGGGk..",
     "..kGGGGGGGGGk...",
     "..kkkkkkkkGk....",
     ".........kk.....",
     ".........k......",
     "................",
     "................",
     "................"],
    ["................",
     "...n............",
     "..nnn...........",
     ".n.n.n..........",
     "...n............",
     "...n............",
     "...n............",
     "...n............",
     "...n............",
     "...n............",
     "...n.......n....",
     "...n........n...",
     "...nnnnnnnnnnn..",
     "............n...",
     "...........n....",
     "................"],
    ["................",
     "................",
     ".kkkkkkkkkkkkkk.",
     ".knnnnnnnnnnnnk.",
     ".kkkkkkkkkkkkkk.",
     ".kwwwkwwwwkwwwk.",
     ".kkkkkkkkkkkkkk.",
     ".kwwwkwwwwkwwwk.",
     ".kkkkkkkkkkkkkk.",
     ".kwwwkwwwwkwwwk.",
     ".kkkkkkkkkkkkkk.",
     ".kwwwkwwwwkwwwk.",
     ".kkkkkkkkkkkkkk.",
     "................",
     "................",
     "................"],
    ["................",
     ".....nnnnnn.....",
     "...nnbbbbbbnn...",
     "..nbbbbwwbbbbn..",
     "..nbbbbwwbbbbn..",
     ".nbbbbbbbbbbbbn.",
     ".nbbbbwwwbbbbbn.",
     ".nbbbbbwwbbbbbn.",
     ".nbbbbbwwbbbbbn.",
     ".nbbbbbwwbbbbbn.",
     ".nbbbbbwwbbbbbn.",
     "..nbbbwwwwbbbn..",
     "..nbbbbbbbbbbn..",
     "...nnbbbbbbnn...",
     ".....nnnnnn.....",
     "................"],
]

# Transfer list icons: a beam taking a load from above (transfer number 1 and more) and a
# beam with the load acting upwards (transfer number 0 and less).
BEAM = [
    "kkkkkkkkkkkkkkkk",
    "kggggggggggggggk",
    "kkkkkkkkkkkkkkkk",
    "..kkk......kkk..",
    ".kkkkk....kkkkk.",
    "................"]
TRANSFER_PLUS = [
    "................",
    ".......GG.......",
    ".......GG.......",
    ".......GG.......",
    ".......GG.......",
    ".......GG.......",
    "....GGGGGGGG....",
    ".....GGGGGG.....",
    "......GGGG......",
    ".......GG.......",
] + BEAM
TRANSFER_MINUS = [
    "................",
    ".......rr.......",
    "......rrrr......",
    ".....rrrrrr.....",
    "....rrrrrrrr....",
    ".......rr.......",
    ".......rr.......",
    ".......rr.......",
    ".......rr.......",
    ".......rr.......",
] + BEAM

# Splitter cursor: 'k' black, 'w' white, '.' transparent.
SPLIT = [
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "...............kkk..............",
    "..............kwkwk.............",
    "..............kwkwk.............",
    "..............kwkwk.............",
    "..............kwkwk.............",
    "..............kwkwk.............",
    ".........kk...kwkwk...kk........",
    "........kwk...kwkwk...kwk.......",
    ".......kwwkkkkkwkwkkkkkwwk......",
    "......kwwwwwwwwwkwwwwwwwwwk.....",
    ".......kwwkkkkkwkwkkkkkwwk......",
    "........kwk...kwkwk...kwk.......",
    ".........kk...kwkwk...kk........",
    "..............kwkwk.............",
    "..............kwkwk.............",
    "..............kwkwk.............",
    "..............kwkwk.............",
    "..............kwkwk.............",
    "...............kkk..............",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................"]
SPLIT_HOTSPOT = (16, 15)


def check(art, size):
    assert len(art) == size and all(len(row) == size for row in art), art


def palette_bytes():
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)


def bits4(rows):
    """4-bit pixel rows, bottom-up, each padded to four bytes."""
    out = b''
    for row in reversed(rows):
        data = bytes((COLOUR[row[i]] << 4) | COLOUR[row[i + 1]] for i in range(0, len(row), 2))
        out += data + b'\0' * (-len(data) % 4)
    return out


def bits1(rows, on):
    """1-bit rows, bottom-up, padded to four bytes; a pixel is set where on(char) holds."""
    out = b''
    for row in reversed(rows):
        data = bytearray(-(-len(row) // 8))
        for i, ch in enumerate(row):
            if on(ch):
                data[i // 8] |= 0x80 >> (i % 8)
        out += bytes(data) + b'\0' * (-len(data) % 4)
    return out


def info_header(width, height, bitcount, colours, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bitcount, 0, image_size, 0, 0,
                       colours, 0)


def toolbar_bmp():
    for art in TOOLBAR:
        check(art, 16)
    rows = [''.join(art[y] for art in TOOLBAR) for y in range(16)]
    pixels = bits4(rows)
    header_size = 14 + 40 + 64
    return (struct.pack('<2sIHHI', b'BM', header_size + len(pixels), 0, 0, header_size) +
            info_header(len(rows[0]), 16, 4, 16, len(pixels)) + palette_bytes() + pixels)


def scaled(art, factor):
    return [''.join(ch * factor for ch in row) for row in art for _ in range(factor)]


def icon(art):
    check(art, 16)
    images = []
    for size in (16, 32):
        rows = scaled(art, size // 16)
        xor = bits4([row.replace('.', 'k') for row in rows])
        mask = bits1(rows, lambda ch: ch == '.')
        images.append((size, info_header(size, 2 * size, 4, 16, 0) + palette_bytes() + xor + mask))
    return directory(1, [(size, 16, 1, 4, data) for size, data in images])


def cursor(art, hotspot):
    check(art, 32)
    xor = bits1(art, lambda ch: ch == 'w')
    mask = bits1(art, lambda ch: ch == '.')
    colours = struct.pack('<BBBBBBBB', 0, 0, 0, 0, 255, 255, 255, 0)
    data = info_header(32, 64, 1, 2, 0) + colours + xor + mask
    return directory(2, [(32, 2, hotspot[0], hotspot[1], data)])


def directory(kind, images):
    """An .ico (kind 1) or .cur (kind 2) file; each image is (size, colours, a, b, data) with
    a, b the planes and bit count of an icon or the hot spot of a cursor."""
    out = struct.pack('<HHH', 0, kind, len(images))
    offset = 6 + 16 * len(images)
    for size, colours, a, b, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, colours % 256, 0, a, b,
                           len(data), offset)
        offset += len(data)
    return out + b''.join(data for *_, data in images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    files = {
        'toolbar.bmp': toolbar_bmp(),
        'transfer_plus.ico': icon(TRANSFER_PLUS),
        'transfer_minus.ico': icon(TRANSFER_MINUS),
        'split.cur': cursor(SPLIT, SPLIT_HOTSPOT),
    }
    for name, data in files.items():
        with open(os.path.join(here, name), 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
