#!/usr/bin/python3
"""Draws the skin's pictures into graphics/assets/.

The pictures are committed; run this only to change them (Debian's python3
with python3-pil):

    /usr/bin/python3 tools/make-pictures.py            # rewrite changed files
    /usr/bin/python3 tools/make-pictures.py --check    # compare, change nothing

A file counts as changed when its decoded pixels differ (the JPEG within
encoder noise), not merely its bytes.

What the skin code relies on is drawn exactly: sizes, 8-bit RGBA PNGs, the
arrow masks, the pure-white transparent background of the tick mark, the gloss
alphas and the opaque glyph boxes of the title-bar faces. Everything else is
artwork. The output is deterministic (seeded noise, no time stamps).
"""

import io
import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "graphics", "assets")
CJK_FONT = "/usr/share/fonts/truetype/arphic/uming.ttc"
LATIN_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Italic.ttf"

WHITE_CLEAR = (255, 255, 255, 0)

# ---------------------------------------------------------------- masks


def mask_from_rows(rows):
    """'#' marks an opaque pixel; returns the set of (x, y)."""
    return {(x, y) for y, row in enumerate(rows) for x, ch in enumerate(row) if ch == "#"}


def shifted(mask, dx, dy):
    return {(x + dx, y + dy) for x, y in mask}


# Title-bar glyphs, drawn at their top-left corner; each box is the face's
# glyph box (zero-based columns and rows of the opaque pixels).
HELP_GLYPH = [  # speech bubble with a question mark, 11 x 10
    ".#########.",
    "#...###...#",
    "#..#...#..#",
    "#......#..#",
    "#....##...#",
    "#....#....#",
    "#.........#",
    "#....#....#",
    ".#########.",
    "..##.......",
]

MENU_GLYPH = [  # framed page with an arrow at its lower right, 10 x 9
    "########..",
    "#......#..",
    "#.####.#..",
    "#......#..",
    "#.####.#..",
    "#......#..",
    "#....#####",
    "#.....###.",
    "######.#..",
]

MINIMISE_GLYPH = [  # a bar two pixels high, 10 x 2
    "##########",
    "##########",
]

MAXIMISE_GLYPH = [  # an empty frame with a thicker top edge, 10 x 8
    "##########",
    "##########",
    "#........#",
    "#........#",
    "#........#",
    "#........#",
    "#........#",
    "##########",
]

RESTORE_GLYPH = [  # two overlapping frames, 12 x 8
    "...#########",
    "...#.......#",
    "#########..#",
    "#########..#",
    "#.......#..#",
    "#.......####",
    "#.......#...",
    "#########...",
]

CLOSE_GLYPH = [  # a diagonal cross, 9 x 8
    "##.....##",
    ".##...##.",
    "..##.##..",
    "...###...",
    "...###...",
    "..##.##..",
    ".##...##.",
    "##.....##",
]

# name, file, width, top gloss alpha, glyph rows, glyph origin
FACES = [
    ("HelpButtonFace", "help_button.png", 26, 57, HELP_GLYPH, (8, 4)),
    ("MenuButtonFace", "menu_button.png", 26, 44, MENU_GLYPH, (9, 4)),
    ("MinimiseButtonFace", "minimise_button.png", 26, 80, MINIMISE_GLYPH, (9, 11)),
    ("MaximiseButtonFace", "maximise_button.png", 26, 80, MAXIMISE_GLYPH, (8, 5)),
    ("RestoreButtonFace", "restore_button.png", 26, 80, RESTORE_GLYPH, (8, 5)),
    ("CloseButtonFace", "close_button.png", 38, 80, CLOSE_GLYPH, (14, 5)),
]
FACE_HEIGHT = 18

ARROWS = [
    ("ArrowUp", "arrow_up.png", ["0001000", "0011100", "0111110", "1111111"]),
    ("ArrowDown", "arrow_down.png", ["1111111", "0111110", "0011100", "0001000"]),
    ("ArrowLeft", "arrow_left.png", ["0001", "0011", "0111", "1111", "0111", "0011", "0001"]),
    ("ArrowRight", "arrow_right.png", ["1000", "1100", "1110", "1111", "1110", "1100", "1000"]),
]

# ---------------------------------------------------------------- compositing


def over(dst, src):
    """Source-over of two straight-alpha pixels given as floats 0..1."""
    sr, sg, sb, sa = src
    dr, dg, db, da = dst
    a = sa + da * (1.0 - sa)
    if a <= 0.0:
        return (1.0, 1.0, 1.0, 0.0)
    mix = lambda s, d: (s * sa + d * da * (1.0 - sa)) / a
    return (mix(sr, dr), mix(sg, dg), mix(sb, db), a)


def to_bytes(px):
    r, g, b, a = px
    q = lambda v: max(0, min(255, int(round(v * 255.0))))
    return (q(r), q(g), q(b), q(a))


def gloss_alpha(top, y, height):
    """Row alpha of the white gloss: top on row 0, 1 on the bottom row."""
    return top + (1 - top) * y / (height - 1)


def make_face(width, top_alpha, glyph_rows, origin):
    height = FACE_HEIGHT
    glyph = shifted(mask_from_rows(glyph_rows), *origin)
    # A soft shadow: the glyph blurred with a 3 x 3 kernel, pushed one row
    # down, so it is heaviest below the glyph.
    kernel = {(-1, -1): 1, (0, -1): 2, (1, -1): 1, (-1, 0): 2, (0, 0): 4,
              (1, 0): 2, (-1, 1): 1, (0, 1): 2, (1, 1): 1}
    pixels = []
    for y in range(height):
        for x in range(width):
            px = (1.0, 1.0, 1.0, round(gloss_alpha(top_alpha, y, height)) / 255.0)
            shade = 0.0
            for (kx, ky), w in kernel.items():
                if (x - kx, y - ky - 1) in glyph:
                    shade += w
                if (x - kx, y - ky) in glyph:
                    shade += w * 0.35
            shade = min(shade / 16.0, 1.0) * 0.42
            if shade > 0.0:
                px = over(px, (0.0, 0.0, 0.0, shade))
            if (x, y) in glyph:
                px = (1.0, 1.0, 1.0, 1.0)
            pixels.append(to_bytes(px))
    if width == 38:
        # The close face's dark edge towards the window's right border.
        for y in range(height):
            pixels[y * width + width - 1] = (0, 0, 0, 15)
    img = Image.new("RGBA", (width, height))
    img.putdata(pixels)
    return img


def make_arrow(rows):
    img = Image.new("RGBA", (len(rows[0]), len(rows)), WHITE_CLEAR)
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch == "1":
                img.putpixel((x, y), (0, 0, 0, 255))
    return img


def segment_distance(px, py, ax, ay, bx, by):
    vx, vy = bx - ax, by - ay
    t = ((px - ax) * vx + (py - ay) * vy) / (vx * vx + vy * vy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - (ax + t * vx), py - (ay + t * vy))


TICK_CORE = (0x5C, 0x93, 0x09)


def make_tick():
    """Anti-aliased check mark: short stroke (0,5)-(5,11), long stroke
    (5,11)-(12,0), pixel centres; everything else pure white, alpha 0."""
    width, height, half_width, grid = 13, 12, 1.05, 8
    strokes = [((0.5, 5.5), (5.5, 11.5)), ((5.5, 11.5), (12.5, 0.5))]
    img = Image.new("RGBA", (width, height), WHITE_CLEAR)
    for y in range(height):
        for x in range(width):
            inside = 0
            for sy in range(grid):
                for sx in range(grid):
                    px, py = x + (sx + 0.5) / grid, y + (sy + 0.5) / grid
                    d = min(segment_distance(px, py, *a, *b) for a, b in strokes)
                    inside += d <= half_width
            cover = inside / (grid * grid)
            if cover < 0.08:
                continue
            # Edges are lighter; the 0.7 keeps even faint pixels off pure
            # white, which the accent tint would skip.
            lift = (1.0 - cover) * 0.7
            rgb = tuple(int(round(c + (255 - c) * lift)) for c in TICK_CORE)
            img.putpixel((x, y), rgb + (int(round(255 * cover)),))
    return img


# ---------------------------------------------------------------- background


def heart_points(cx, cy, size, steps=120):
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((cx + x * size / 32.0, cy - y * size / 32.0))
    return pts


def make_background():
    width, height, scale = 256, 440, 4
    rng = random.Random(20261209)
    # Nearly white, a touch cooler towards the bottom, with faint paper grain.
    base = Image.new("RGB", (width, height))
    grain = []
    for y in range(height):
        t = y / (height - 1)
        top, bottom = (251, 251, 252), (242, 245, 249)
        row = [tuple(int(round(a + (b - a) * t)) for a, b in zip(top, bottom))] * width
        for r, g, b in row:
            n = rng.randint(-1, 1)
            grain.append((r + n, g + n, min(255, b + n)))
    base.putdata(grain)

    # The slogan and the heart are drawn large on a separate layer, tilted a
    # little for a hand-lettered look, then reduced for smooth edges.
    ink = (104, 120, 146)
    big = Image.new("L", (width * scale, height * scale), 0)
    draw = ImageDraw.Draw(big)
    if os.path.exists(CJK_FONT):
        font = ImageFont.truetype(CJK_FONT, 26 * scale, index=0)
        slogan = "简单就好"
    else:
        font = ImageFont.truetype(LATIN_FONT, 22 * scale)
        slogan = "Keep it simple"
    cx, cy = 108 * scale, 220 * scale  # a little left of centre, mid height
    box = draw.textbbox((0, 0), slogan, font=font)
    tw, th = box[2] - box[0], box[3] - box[1]
    tx, ty = cx - tw // 2 - box[0], cy - th // 2 - box[1]
    draw.text((tx, ty), slogan, fill=255, font=font)
    # Heart after the last character, slightly raised.
    hx, hy = cx + tw // 2 + 16 * scale, cy - 4 * scale
    draw.polygon(heart_points(hx, hy, 17 * scale), fill=255)
    # A loose underline swash.
    swash = []
    for i in range(41):
        t = i / 40.0
        x = cx - tw // 2 - 4 * scale + t * (tw + 30 * scale)
        y = cy + th // 2 + 9 * scale + math.sin(t * math.pi * 1.6) * 3 * scale
        swash.append((x, y))
    draw.line(swash, fill=200, width=int(1.6 * scale), joint="curve")
    big = big.rotate(4, resample=Image.BICUBIC, center=(cx, cy))
    coverage = big.resize((width, height), Image.LANCZOS)

    out = Image.composite(Image.new("RGB", (width, height), ink), base, coverage)
    return out


# ---------------------------------------------------------------- output


def png_bytes(img):
    buf = io.BytesIO()
    img.save(buf, "PNG", optimize=False)
    return buf.getvalue()


def jpeg_bytes(img):
    buf = io.BytesIO()
    img.save(buf, "JPEG", quality=92, subsampling=0, progressive=False, optimize=False)
    return buf.getvalue()


def all_pictures():
    for _, name, width, top, rows, origin in FACES:
        yield name, png_bytes(make_face(width, top, rows, origin))
    yield "tick_mark.png", png_bytes(make_tick())
    for _, name, rows in ARROWS:
        yield name, png_bytes(make_arrow(rows))
    yield "main_background.jpg", jpeg_bytes(make_background())


def same_picture(old_bytes, new_bytes):
    """Compares decoded pixels, so that other zlib/libjpeg versions do not
    count as changes: PNGs exactly, the JPEG within encoder noise."""
    try:
        old = Image.open(io.BytesIO(old_bytes))
        new = Image.open(io.BytesIO(new_bytes))
        if old.format != new.format or old.mode != new.mode or old.size != new.size:
            return False
        if old.format == "PNG":
            return old.tobytes() == new.tobytes()
        diffs = [abs(a - b) for a, b in zip(old.tobytes(), new.tobytes())]
        return max(diffs) <= 8 and sum(diffs) / len(diffs) <= 1.0
    except OSError:
        return False


def main(argv):
    check = "--check" in argv[1:]
    stale = []
    for name, data in all_pictures():
        path = os.path.join(ASSETS, name)
        old = None
        if os.path.exists(path):
            with open(path, "rb") as f:
                old = f.read()
        if old is not None and (old == data or same_picture(old, data)):
            continue
        stale.append(name)
        if not check:
            with open(path, "wb") as f:
                f.write(data)
    verb = "differ" if check else "written"
    print("%s: %s" % (verb, ", ".join(stale) if stale else "none"))
    return 1 if (check and stale) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
