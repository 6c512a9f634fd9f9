#!/usr/bin/python3
"""Draws the program icon (app/app.ico): a small boat on a wave in a rounded
square of the skin's accent colour. Run it again after changing the design:

    /usr/bin/python3 tools/make-icon.py   (Debian's python3 with python3-pil)
"""
import os

from PIL import Image, ImageDraw

SIZES = [16, 24, 32, 48, 64, 256]
ACCENT = (0x22, 0xCA, 0xDD)  # the accent colour 0xDDCA22 as RGB
DEEP = (0x12, 0x6E, 0x8A)


def draw(size):
    scale = 4  # draw large, shrink smoothly
    s = size * scale
    image = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    # Background: rounded square, lighter towards the top.
    for y in range(s):
        t = y / (s - 1)
        colour = tuple(int(ACCENT[i] * (1 - t) + DEEP[i] * t) for i in range(3)) + (255,)
        d.line([(0, y), (s, y)], fill=colour)
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle([0, 0, s - 1, s - 1], radius=s // 5, fill=255)
    image.putalpha(mask)
    white = (255, 255, 255, 255)
    # Sail and hull.
    d.polygon([(s * 0.50, s * 0.18), (s * 0.50, s * 0.58), (s * 0.26, s * 0.58)], fill=white)
    d.polygon([(s * 0.55, s * 0.28), (s * 0.55, s * 0.58), (s * 0.74, s * 0.58)], fill=(255, 255, 255, 220))
    d.polygon([(s * 0.18, s * 0.63), (s * 0.82, s * 0.63), (s * 0.70, s * 0.75), (s * 0.30, s * 0.75)], fill=white)
    # Wave.
    w = max(scale, s // 24)
    d.arc([s * 0.10, s * 0.76, s * 0.40, s * 0.92], 200, 340, fill=white, width=w)
    d.arc([s * 0.38, s * 0.76, s * 0.68, s * 0.92], 200, 340, fill=white, width=w)
    d.arc([s * 0.66, s * 0.76, s * 0.96, s * 0.92], 200, 340, fill=white, width=w)
    return image.resize((size, size), Image.LANCZOS)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = os.path.join(root, "app", "app.ico")
    largest = draw(max(SIZES))
    largest.save(out, format="ICO", sizes=[(n, n) for n in SIZES],
                 append_images=[draw(n) for n in SIZES if n != max(SIZES)])
    print(out)


if __name__ == "__main__":
    main()
