#!/usr/bin/env python3
"""Draws every picture of Ормитан: button glyphs, the program icon and the hand cursor.

Regenerate (from the repository root, Python 3.8+ with nothing but the standard library):

    python3 content/art/make_art.py

It is deterministic (same pixels on every run; same bytes with the same zlib) and rewrites:
    content/glyphs/{help,open,save,print,ok}.png   32 x 16: normal glyph | greyed glyph
    content/icons/ormitan.svg                       the scalable program icon
    content/icons/ormitan-{16,32,48,256}.png        the icon in pixels: 16 drawn by hand, 32 and 48
                                                    with unblurred stepped edges, 256 antialiased
    content/cursors/hand.xbm, hand_mask.xbm         the 32 x 32 closed-hand cursor

Everything is drawn here from the pixel grids and shapes below; nothing is read from disk.
To look at a result enlarged: convert content/glyphs/help.png -filter point -resize 800% /tmp/big.png
"""

import math
import os
import struct
import sys
import zlib

CONTENT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))

# ---------------------------------------------------------------------------------------------
# PNG writer (RGBA, 8 bits per channel, no filtering, fixed compression level: deterministic).


def png_bytes(width, height, pixels):
    """pixels: list of rows, each a list of (r, g, b, a) tuples."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def write_file(relative, data):
    path = os.path.join(CONTENT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    mode = "wb" if isinstance(data, bytes) else "w"
    with open(path, mode, **({} if mode == "wb" else {"encoding": "utf-8", "newline": "\n"})) as f:
        f.write(data)
    print("wrote", os.path.relpath(path, os.path.dirname(CONTENT)))


# ---------------------------------------------------------------------------------------------
# Button glyphs: the 16 colours of the standard VGA palette, one letter each.

CLEAR = (0, 0, 0, 0)
VGA = {
    ".": CLEAR,
    "k": (0, 0, 0, 255),  # black
    "m": (128, 0, 0, 255),  # maroon
    "g": (0, 128, 0, 255),  # green
    "o": (128, 128, 0, 255),  # olive
    "n": (0, 0, 128, 255),  # navy
    "p": (128, 0, 128, 255),  # purple
    "t": (0, 128, 128, 255),  # teal
    "s": (192, 192, 192, 255),  # silver
    "d": (128, 128, 128, 255),  # grey
    "r": (255, 0, 0, 255),  # red
    "l": (0, 255, 0, 255),  # lime
    "y": (255, 255, 0, 255),  # yellow
    "b": (0, 0, 255, 255),  # blue
    "f": (255, 0, 255, 255),  # fuchsia
    "a": (0, 255, 255, 255),  # aqua
    "w": (255, 255, 255, 255),  # white
}
GREY = VGA["d"]
WHITE = VGA["w"]

GLYPHS = {
    # A navy question mark on a yellow disc with a small highlight at the upper left.
    "help": [
        ".....kkkkk......",
        "...kkyyyyykk....",
        "..kyywwyyyyyk...",
        ".kywwnnnnnyyyk..",
        ".kywnnyyynnyyk..",
        "kyyynnyyynnyyyk.",
        "kyyyyyyyynnyyyk.",
        "kyyyyyyynnyyyyk.",
        "kyyyyyynnyyyyyk.",
        "kyyyyyynnyyyyyk.",
        ".kyyyyyyyyyyyk..",
        ".kyyyyynnyyyyk..",
        "..kyyyynnyyyk...",
        "...kkyyyyykk....",
        ".....kkkkk......",
        "................",
    ],
    # An opened folder: the back with its tab, the olive inside, the front flap tipped forward.
    "open": [
        "................",
        "................",
        "................",
        "..kkkk..........",
        ".kyyyyk.........",
        ".kyyyyykkkkkk...",
        ".kyyyyyyyyyyk...",
        ".kookkkkkkkkkkk.",
        ".kookwwwwwwwwwk.",
        ".kokyyyyyyyyyk..",
        ".kokyyyyyyyyyk..",
        ".kkyyyyyyyyyk...",
        ".kkyyyyyyyyyk...",
        ".kkkkkkkkkkk....",
        "................",
        "................",
    ],
    # A floppy disk: dark body, white label with lines at the top, metal shutter below.
    "save": [
        "kkkkkkkkkkkkkk..",
        "knnwwwwwwwwwnnk.",
        "knnwwwwwwwwwnnk.",
        "knnwdddddddwnnk.",
        "knnwwwwwwwwwnnk.",
        "knnwdddddddwnnk.",
        "knnwwwwwwwwwnnk.",
        "knnnnnnnnnnnnnk.",
        "knnnnnnnnnnnnnk.",
        "knnsssssssssnnk.",
        "knnssnnsssssnnk.",
        "knnssnnsssssnnk.",
        "knnssnnsssssnnk.",
        "knnsssssssssnnk.",
        "kkkkkkkkkkkkkkk.",
        "................",
    ],
    # A printer: a sheet going in at the back, the grey body with a lamp, a printed sheet out front.
    "print": [
        "....kkkkkkk.....",
        "....kwwwwwk.....",
        "....kwdddwk.....",
        "....kwwwwwk.....",
        ".kkkkkkkkkkkkk..",
        "kwwwwwwwwwwwwwk.",
        "kssssssssssslsk.",
        "ksssssssssssssk.",
        "ksskkkkkkkkkssk.",
        "kddkwwwwwwwkddk.",
        "kkkkwkkkkwwkkkk.",
        "...kwwwwwwwk....",
        "...kwkkkwwwk....",
        "...kwwwwwwwk....",
        "...kkkkkkkkk....",
        "................",
    ],
    # The OK check mark.
    "ok": [
        "................",
        "................",
        "................",
        "............gg..",
        "...........ggg..",
        "..........ggg...",
        ".........ggg....",
        ".gg.....ggg.....",
        ".ggg...ggg......",
        "..ggg.ggg.......",
        "...ggggg........",
        "....ggg.........",
        ".....g..........",
        "................",
        "................",
        "................",
    ],
}


def luminance(colour):
    r, g, b, _ = colour
    return (30 * r + 59 * g + 11 * b) // 100


def disabled(normal):
    """The classic greyed glyph: the dark pixels of the shape in grey over a white copy one pixel
    down and right. Light colours (white, silver, yellow) count as background, as on a button."""
    size = len(normal)
    shape = [[c[3] != 0 and luminance(c) < 192 for c in row] for row in normal]
    out = [[CLEAR] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if shape[y][x] and x + 1 < size and y + 1 < size:
                out[y + 1][x + 1] = WHITE
    for y in range(size):
        for x in range(size):
            if shape[y][x]:
                out[y][x] = GREY
    return out


def make_glyph(name, grid):
    assert len(grid) == 16 and all(len(row) == 16 for row in grid), name
    normal = [[VGA[ch] for ch in row] for row in grid]
    grey = disabled(normal)
    pixels = [normal[y] + grey[y] for y in range(16)]
    write_file("glyphs/%s.png" % name, png_bytes(32, 16, pixels))


# ---------------------------------------------------------------------------------------------
# The program icon: an open book with a small bar chart rising from it like a flame, on a
# rounded blue plate. Shapes are in a 32 x 32 unit square, placed so that straight edges fall
# on whole pixels at 16, 32, 48 and 256 pixels.

ICON_COLOURS = {
    "plate": "#27467a",
    "bar1": "#ffd23f",
    "bar2": "#f7a52f",
    "bar3": "#ef6b3a",
    "cover": "#a8322d",
    "page": "#fffcf2",
    "shade": "#e4dcc6",
}

ICON_SHAPES = [
    # (kind, colour, geometry)
    ("rrect", "plate", (0, 0, 32, 32, 6)),
    ("rect", "bar1", (8, 10, 12, 20)),
    ("rect", "bar2", (14, 4, 18, 20)),
    ("rect", "bar3", (20, 8, 24, 20)),
    ("poly", "cover", [(2, 20), (16, 22), (30, 20), (30, 26), (16, 28), (2, 26)]),
    ("poly", "page", [(4, 18), (16, 20), (16, 26), (4, 24)]),
    ("poly", "shade", [(16, 20), (28, 18), (28, 24), (16, 26)]),
]

# The 16-pixel icon, drawn by hand after the shapes above (letters name ICON_COLOURS).
ICON16_KEYS = {".": None, "B": "plate", "Y": "bar1", "O": "bar2", "R": "bar3", "C": "cover",
               "P": "page", "Q": "shade"}
ICON16 = [
    "..BBBBBBBBBBBB..",
    ".BBBBBBBBBBBBBB.",
    "BBBBBBBOOBBBBBBB",
    "BBBBBBBOOBBBBBBB",
    "BBBBBBBOOBRRBBBB",
    "BBBBYYBOOBRRBBBB",
    "BBBBYYBOOBRRBBBB",
    "BBBBYYBOOBRRBBBB",
    "BBBBYYBOOBRRBBBB",
    "BBPPPYBOOBRQQQBB",
    "BCPPPPPPQQQQQQCB",
    "BCPPPPPPQQQQQQCB",
    "BCPPPPPPQQQQQQCB",
    "BCCCCPPPQQQCCCCB",
    ".BBBBCCCCCCBBBB.",
    "..BBBBBBBBBBBB..",
]


def hex_rgb(text):
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


def rrect_points(x0, y0, x1, y1, r, steps=24):
    points = []
    corners = [(x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)]
    for cx, cy, start in corners:
        for i in range(steps + 1):
            a = math.radians(start + 90.0 * i / steps)
            points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def shape_polygon(kind, geometry):
    if kind == "rect":
        x0, y0, x1, y1 = geometry
        return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    if kind == "rrect":
        return rrect_points(*geometry)
    return list(geometry)


def coverage(polygon, size, samples, nudge=0.0):
    """Fraction of each pixel covered by the polygon (non-zero rule), samples x samples grid;
    nudge moves the sampling rows down by that many pixels."""
    scale = size / 32.0
    pts = [(x * scale, y * scale) for x, y in polygon]
    edges = list(zip(pts, pts[1:] + pts[:1]))
    cover = [[0] * size for _ in range(size)]
    sub = size * samples
    for sy in range(sub):
        y = (sy + 0.5) / samples + nudge
        crossings = []
        for (xa, ya), (xb, yb) in edges:
            if (ya <= y < yb) or (yb <= y < ya):
                x = xa + (y - ya) * (xb - xa) / (yb - ya)
                crossings.append((x, 1 if yb > ya else -1))
        crossings.sort()
        row = cover[sy // samples]
        winding = 0
        for i, (x, direction) in enumerate(crossings):
            before = winding
            winding += direction
            if before == 0 and winding != 0:
                start = x
            elif before != 0 and winding == 0:
                # Sub-sample columns whose centres lie in [start, x).
                first = max(0, math.ceil(start * samples - 0.5))
                last = min(sub, math.ceil(x * samples - 0.5))
                s = first
                while s < last:
                    px = s // samples
                    run = min(last, (px + 1) * samples) - s
                    row[px] += run
                    s += run
    full = samples * samples
    return [[c / full for c in row] for row in cover]


def render_icon(size, samples=8, crisp_polygons=False):
    """Draws ICON_SHAPES at size x size, antialiased. With crisp_polygons the slanted book edges
    are point-sampled instead, near the bottom of each pixel so that a slope of 1 in 6 comes out
    as even steps of six pixels: clean, unblurred edges at small sizes."""
    acc = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]  # premultiplied
    for kind, colour, geometry in ICON_SHAPES:
        r, g, b = hex_rgb(ICON_COLOURS[colour])
        if crisp_polygons and kind == "poly":
            cov = coverage(shape_polygon(kind, geometry), size, 1, nudge=0.45)
        else:
            cov = coverage(shape_polygon(kind, geometry), size, samples)
        for y in range(size):
            for x in range(size):
                a = cov[y][x]
                if a:
                    pr, pg, pb, pa = acc[y][x]
                    acc[y][x] = (r * a + pr * (1 - a), g * a + pg * (1 - a), b * a + pb * (1 - a),
                                 a + pa * (1 - a))
    pixels = []
    for row in acc:
        out = []
        for pr, pg, pb, pa in row:
            if pa <= 0:
                out.append(CLEAR)
            else:
                out.append((round(pr / pa), round(pg / pa), round(pb / pa), round(pa * 255)))
        pixels.append(out)
    return pixels


def icon_from_grid(grid, keys):
    pixels = []
    for row in grid:
        assert len(row) == len(grid)
        pixels.append([CLEAR if keys[ch] is None else hex_rgb(ICON_COLOURS[keys[ch]]) + (255,)
                       for ch in row])
    return pixels


def icon_svg():
    def num(v):
        return ("%.3f" % v).rstrip("0").rstrip(".")

    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<!-- Ормитан program icon: an open book with a small bar chart rising from it. -->',
             '<!-- Generated by content/art/make_art.py; edit the shapes there, not here. -->',
             '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">',
             '  <g stroke="none">']
    for kind, colour, geometry in ICON_SHAPES:
        fill = ICON_COLOURS[colour]
        if kind == "rrect":
            x0, y0, x1, y1, r = geometry
            lines.append('    <rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
                         % (num(x0), num(y0), num(x1 - x0), num(y1 - y0), num(r), fill))
        elif kind == "rect":
            x0, y0, x1, y1 = geometry
            lines.append('    <rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                         % (num(x0), num(y0), num(x1 - x0), num(y1 - y0), fill))
        else:
            points = " ".join("%s,%s" % (num(x), num(y)) for x, y in geometry)
            lines.append('    <polygon points="%s" fill="%s"/>' % (points, fill))
    lines += ["  </g>", "</svg>"]
    return "\n".join(lines) + "\n"


def make_icons():
    write_file("icons/ormitan.svg", icon_svg())
    write_file("icons/ormitan-16.png", png_bytes(16, 16, icon_from_grid(ICON16, ICON16_KEYS)))
    for size in (32, 48):
        write_file("icons/ormitan-%d.png" % size,
                   png_bytes(size, size, render_icon(size, crisp_polygons=True)))
    write_file("icons/ormitan-256.png", png_bytes(256, 256, render_icon(256)))


# ---------------------------------------------------------------------------------------------
# The hand cursor: a closed right hand seen from the back, knuckles up, thumb on the left.
# "X" black outline, "o" white inside, "." transparent. The hot spot (7, 7) is the first white
# pixel inside the index finger's knuckle.

HAND_HOT = (7, 7)
HAND = [
    "................................",
    "................................",
    "................................",
    "................................",
    ".............XX...XX............",
    "........XX..XooX.XooX...........",
    ".......XooXXooooXooooX.XX.......",
    "......XooooXooooXooooXXooX......",
    "......XooooXooooXooooXooooX.....",
    "......XooooXooooXooooXooooX.....",
    "....XXXooooXooooXooooXooooX.....",
    "...XooXoooooooooooooooooooX.....",
    "..XoooXoooooooooooooooooooX.....",
    "..XooooXooooooooooooooooooX.....",
    "..XoooooXoooooooooooooooooX.....",
    "..XooooooXooooooooooooooooX.....",
    "..XoooooooooooooooooooooooX.....",
    "...XoooooooooooooooooooooX......",
    "....XooooooooooooooooooooX......",
    ".....XooooooooooooooooooX.......",
    "......XoooooooooooooooooX.......",
    ".......XoooooooooooooooX........",
    "........XoooooooooooooX.........",
    ".........XooooooooooooX.........",
    ".........XooooooooooooX.........",
    ".........XooooooooooooX.........",
    ".........XooooooooooooX.........",
    ".........XXXXXXXXXXXXXX.........",
    "................................",
    "................................",
    "................................",
    "................................",
]


def xbm_text(name, grid, comment, hot=None):
    width, height = len(grid[0]), len(grid)
    data = []
    for row in grid:
        for start in range(0, width, 8):
            byte = 0
            for bit, on in enumerate(row[start:start + 8]):
                if on:
                    byte |= 1 << bit
            data.append("0x%02x" % byte)
    lines = ["/* %s Generated by content/art/make_art.py. */" % comment,
             "#define %s_width %d" % (name, width), "#define %s_height %d" % (name, height)]
    if hot:
        lines += ["#define %s_x_hot %d" % (name, hot[0]), "#define %s_y_hot %d" % (name, hot[1])]
    lines.append("static unsigned char %s_bits[] = {" % name)
    for i in range(0, len(data), 12):
        lines.append("   " + ", ".join(data[i:i + 12]) + ("," if i + 12 < len(data) else "};"))
    return "\n".join(lines) + "\n"


def make_cursor():
    assert len(HAND) == 32 and all(len(row) == 32 for row in HAND)
    assert HAND[HAND_HOT[1]][HAND_HOT[0]] != "."
    bitmap = [[ch == "X" for ch in row] for row in HAND]
    mask = [[ch != "." for ch in row] for row in HAND]
    write_file("cursors/hand.xbm",
               xbm_text("hand", bitmap, "Hand cursor, the bitmap: 1 = black.", HAND_HOT))
    write_file("cursors/hand_mask.xbm",
               xbm_text("hand_mask", mask, "Hand cursor, the mask: 1 = opaque."))


def main():
    for name, grid in GLYPHS.items():
        make_glyph(name, grid)
    make_icons()
    make_cursor()
    return 0


if __name__ == "__main__":
    sys.exit(main())
