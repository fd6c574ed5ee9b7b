#!/usr/bin/env python3
"""Writes the clear-all button's glyph for Unit1.layout: a 16 x 16, 256-colour
bitmap of a broom, drawn pixel by pixel below, as the hexadecimal text of the
layout's Glyph.Data property (a complete ".bmp" file). With --icon it writes
the program's icon instead (the same broom at 16 and 32 pixels, the magenta
background transparent).

    python3 app/MakeBroomGlyph.py > /tmp/glyph.txt   # then paste into Unit1.layout
    python3 app/MakeBroomGlyph.py --icon app/CoordConverter.ico
"""

import sys

# One character per pixel, top row first. The bottom-left pixel is the
# magenta background, which the speed button takes as transparent.
PIXELS = """
GL..............
DGL.............
.DGL............
..DGL...........
...DGL..........
....DGL.........
.....DGL........
......DGL.......
.......KkkK.....
......KKKKKK....
......RYOYOYR...
......RYOYOYOR..
.....ROYOYOYOR..
.....ROYOYOYOYR.
.....ROYOYOYOYOR
.....R.Y.Y.Y.Y.R
"""

# Palette index order: background first.
COLOURS = [
    (".", (255, 0, 255)),   # magenta background (transparent)
    ("D", (16, 96, 24)),    # handle, shadow side
    ("G", (40, 160, 48)),   # handle
    ("L", (128, 224, 96)),  # handle, lit side
    ("K", (88, 48, 16)),    # binding cord, dark
    ("k", (152, 96, 48)),   # binding cord, lit
    ("R", (168, 72, 8)),    # bristles, outline
    ("O", (240, 128, 16)),  # bristles
    ("Y", (255, 200, 64)),  # bristles, lit
]


def bmp_bytes():
    rows = [line for line in PIXELS.strip().splitlines()]
    assert len(rows) == 16 and all(len(r) == 16 for r in rows)
    index = {ch: i for i, (ch, _) in enumerate(COLOURS)}
    palette = bytearray()
    for i in range(256):
        r, g, b = COLOURS[i][1] if i < len(COLOURS) else (0, 0, 0)
        palette += bytes((b, g, r, 0))
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up, rows already a multiple of 4 bytes
        pixels += bytes(index[ch] for ch in row)
    offset = 14 + 40 + len(palette)
    header = b"BM" + (offset + len(pixels)).to_bytes(4, "little") + b"\0\0\0\0" + offset.to_bytes(4, "little")
    info = (40).to_bytes(4, "little") + (16).to_bytes(4, "little", signed=True) + (16).to_bytes(4, "little", signed=True)
    info += (1).to_bytes(2, "little") + (8).to_bytes(2, "little") + (0).to_bytes(4, "little")
    info += len(pixels).to_bytes(4, "little") + (3780).to_bytes(4, "little") * 2
    info += (256).to_bytes(4, "little") + (0).to_bytes(4, "little")
    return bytes(header + info + palette + pixels)


def icon_image(scale):
    rows = [line for line in PIXELS.strip().splitlines()]
    colour = dict(COLOURS)
    size = 16 * scale
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up
        row = rows[y // scale]
        bits = 0
        mask_row = bytearray()
        for x in range(size):
            ch = row[x // scale]
            r, g, b = colour[ch]
            transparent = ch == "."
            xor += bytes((b, g, r, 0 if transparent else 255)) if not transparent else bytes(4)
            bits = (bits << 1) | (1 if transparent else 0)
            if x % 8 == 7:
                mask_row.append(bits)
                bits = 0
        while len(mask_row) % 4:
            mask_row.append(0)
        mask += mask_row
    header = (40).to_bytes(4, "little") + size.to_bytes(4, "little") + (2 * size).to_bytes(4, "little")
    header += (1).to_bytes(2, "little") + (32).to_bytes(2, "little") + bytes(24)
    return size, bytes(header + xor + mask)


def icon_bytes():
    images = [icon_image(1), icon_image(2)]
    data = bytearray((0).to_bytes(2, "little") + (1).to_bytes(2, "little") + len(images).to_bytes(2, "little"))
    offset = 6 + 16 * len(images)
    for size, image in images:
        data += bytes((size % 256, size % 256, 0, 0)) + (1).to_bytes(2, "little") + (32).to_bytes(2, "little")
        data += len(image).to_bytes(4, "little") + offset.to_bytes(4, "little")
        offset += len(image)
    for _, image in images:
        data += image
    return bytes(data)


def main():
    if len(sys.argv) == 3 and sys.argv[1] == "--icon":
        with open(sys.argv[2], "wb") as f:
            f.write(icon_bytes())
        return
    data = bmp_bytes().hex().upper()
    for i in range(0, len(data), 64):
        print("        " + data[i:i + 64])


if __name__ == "__main__":
    main()
