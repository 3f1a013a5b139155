#!/usr/bin/env python3
"""Writes Tavrel's icon and cursor files.

    write_icons.py ICON_RGBA OUT_DIR

ICON_RGBA: the 32 x 32 window icon as raw RGBA bytes, already in the 16
standard colours (make-art draws it). The pointing hand is drawn here as pixel
art: "#" outline, "." fill, "-" shading, " " transparent.
Writes tavrel.ico (32 x 32, 4 bits), hand.cur (32 x 32, 1 bit, hot spot 5,0)
and hand_link.ico (32 x 32 in 8 bits and in 32 bits with alpha).
"""
import struct
import sys
from pathlib import Path

SIZE = 32

HAND = [
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..##",
    "    #..#..#..#.#",
    " ## #..#..#..#..#",
    "#..##..........-#",
    "#...#..........-#",
    " #.............-#",
    "  #............-#",
    "  #...........--#",
    "   #..........-#",
    "   #.........--#",
    "    #........-#",
    "    #........-#",
    "     #......--#",
    "     #.......-#",
    "     ##########",
]

VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def hand_pixels():
    """The hand as rows of RGBA tuples, 32 x 32, the fingertip at (5, 0)."""
    colours = {"#": (0, 0, 0, 255), ".": (255, 255, 255, 255), "-": (200, 200, 200, 255)}
    rows = []
    for y in range(SIZE):
        line = HAND[y] if y < len(HAND) else ""
        rows.append([colours.get(line[x], (0, 0, 0, 0)) if x < len(line) else (0, 0, 0, 0)
                     for x in range(SIZE)])
    return rows


def shadowed(rows):
    """The hand with a soft shadow down and to the right, for the 32-bit icon."""
    out = [list(r) for r in rows]
    for y in range(SIZE):
        for x in range(SIZE):
            if out[y][x][3] == 0 and y >= 1 and x >= 1 and rows[y - 1][x - 1][3] == 255:
                out[y][x] = (0, 0, 0, 70)
    return out


def row_bytes(bits_per_pixel):
    return ((SIZE * bits_per_pixel + 31) // 32) * 4


def pack_bits(values, bits):
    """Packs small integers MSB first into bytes, padded to a 32-bit row."""
    out = bytearray()
    acc = 0
    count = 0
    for v in values:
        acc = (acc << bits) | v
        count += bits
        if count == 8:
            out.append(acc)
            acc = 0
            count = 0
    if count:
        out.append(acc << (8 - count))
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def and_mask(rows):
    return b"".join(pack_bits([1 if p[3] < 128 else 0 for p in row], 1) for row in reversed(rows))


def dib(rows, bits, palette=None, index_of=None):
    """A DIB as icon and cursor files keep it: header, palette, colour bits, mask."""
    colours = len(palette) if palette else 0
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, bits, 0,
                         (row_bytes(bits) + row_bytes(1)) * SIZE, 0, 0, colours, 0)
    pal = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in (palette or []))
    if bits == 32:
        pixels = b"".join(struct.pack("<BBBB", p[2], p[1], p[0], p[3])
                          for row in reversed(rows) for p in row)
    else:
        pixels = b"".join(pack_bits([index_of(p) for p in row], bits) for row in reversed(rows))
    return header + pal + pixels + and_mask(rows)


def icon_file(entries, kind=1):
    """entries: (dib bytes, colour count, planes or hot x, bits or hot y)."""
    head = struct.pack("<HHH", 0, kind, len(entries))
    offset = 6 + 16 * len(entries)
    directory = b""
    body = b""
    for data, colour_count, field_a, field_b in entries:
        directory += struct.pack("<BBBBHHII", SIZE, SIZE, colour_count, 0, field_a, field_b,
                                 len(data), offset + len(body))
        body += data
    return head + directory + body


def window_icon(rgba_path):
    raw = Path(rgba_path).read_bytes()
    assert len(raw) == SIZE * SIZE * 4, "the window icon must be 32 x 32 RGBA"
    rows = [[tuple(raw[(y * SIZE + x) * 4:(y * SIZE + x) * 4 + 4]) for x in range(SIZE)]
            for y in range(SIZE)]

    def index_of(p):
        if p[3] < 128:
            return 0
        return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(VGA16[i], p[:3])))

    return icon_file([(dib(rows, 4, VGA16, index_of), 16, 1, 4)])


def hand_cursor():
    rows = hand_pixels()
    mono = [[p if p[3] == 0 else ((0, 0, 0, 255) if p[0] == 0 else (255, 255, 255, 255))
             for p in row] for row in rows]
    palette = [(0, 0, 0), (255, 255, 255)]
    data = dib(mono, 1, palette, lambda p: 1 if p[3] and p[0] == 255 else 0)
    return icon_file([(data, 2, 5, 0)], kind=2)


def hand_icon():
    rows = hand_pixels()
    palette = [(0, 0, 0), (255, 255, 255), (200, 200, 200)] + [(0, 0, 0)] * 253
    lookup = {(0, 0, 0): 0, (255, 255, 255): 1, (200, 200, 200): 2}
    eight = dib(rows, 8, palette, lambda p: lookup[p[:3]] if p[3] else 0)
    full = dib(shadowed(rows), 32)
    return icon_file([(eight, 0, 1, 8), (full, 0, 1, 32)])


def main():
    rgba_path, out_dir = sys.argv[1], Path(sys.argv[2])
    (out_dir / "tavrel.ico").write_bytes(window_icon(rgba_path))
    (out_dir / "hand.cur").write_bytes(hand_cursor())
    (out_dir / "hand_link.ico").write_bytes(hand_icon())


if __name__ == "__main__":
    main()
