#!/usr/bin/env python3
"""Writes Vesktal's program icon as the two resources the executable carries.

    make_vesktal_icon.py OUT_DIR

OUT_DIR/vesktal_icon_30001.bin  the icon image 30001: a 16 by 16 device-
                                independent bitmap, 8 bits per pixel with a
                                256-entry palette, and an all-zero
                                transparency mask (fully opaque)
OUT_DIR/vesktal_icon_group.bin  icon group 1, holding that single image

The picture, a small keyboard, is drawn below, one letter per pixel.
"""
import os
import struct
import sys

PICTURE = [
    "................",
    "................",
    "................",
    "..############..",
    ".#bbbbbbbbbbbb#.",
    ".#bwbwbwbwbwbb#.",
    ".#bbbbbbbbbbbb#.",
    ".#bbwbwbwbwbwb#.",
    ".#bbbbbbbbbbbb#.",
    ".#bwbbwwwwwbwb#.",
    ".#bbbbbbbbbbbb#.",
    "..############..",
    "................",
    "................",
    "................",
    "................",
]

# Palette index and colour (red, green, blue) of each letter.
COLOURS = {
    ".": (0, (240, 240, 240)),  # background
    "#": (1, (32, 64, 128)),    # frame of the keyboard
    "b": (2, (64, 120, 200)),   # body of the keyboard
    "w": (3, (255, 255, 255)),  # keys
}

SIZE = 16
IMAGE_ID = 30001


def image_bytes():
    if len(PICTURE) != SIZE or any(len(row) != SIZE for row in PICTURE):
        raise SystemExit("the picture must be 16 by 16 pixels")
    header = struct.pack(
        "<IiiHHIIiiII",
        40,         # size of the header
        SIZE,       # width
        SIZE * 2,   # height of colour bitmap and mask together
        1,          # planes
        8,          # bits per pixel
        0,          # no compression
        0,          # image size (may be 0 when uncompressed)
        0, 0,       # resolution
        256,        # colours used: the whole palette
        0)          # important colours: all
    palette = bytearray(256 * 4)
    for index, (red, green, blue) in COLOURS.values():
        palette[index * 4:index * 4 + 4] = bytes((blue, green, red, 0))
    pixels = bytearray()
    for row in reversed(PICTURE):  # bitmaps are stored bottom row first
        pixels += bytes(COLOURS[letter][0] for letter in row)
    # One bit per pixel, rows padded to 32 bits; all zero: every pixel opaque.
    mask = bytes(SIZE * 4)
    return header + bytes(palette) + bytes(pixels) + mask


def group_bytes(image_size):
    directory = struct.pack("<HHH", 0, 1, 1)  # reserved, type icon, one image
    entry = struct.pack(
        "<BBBBHHIH",
        SIZE, SIZE,  # width, height
        0,           # colour count: 0 stands for 256
        0,           # reserved
        1,           # planes
        8,           # bits per pixel
        image_size,
        IMAGE_ID)
    return directory + entry


def main():
    if len(sys.argv) != 2:
        raise SystemExit("usage: make_vesktal_icon.py OUT_DIR")
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    image = image_bytes()
    with open(os.path.join(out_dir, "vesktal_icon_30001.bin"), "wb") as out:
        out.write(image)
    with open(os.path.join(out_dir, "vesktal_icon_group.bin"), "wb") as out:
        out.write(group_bytes(len(image)))


if __name__ == "__main__":
    main()
