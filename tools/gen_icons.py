#!/usr/bin/env python3
"""Writes the desktop icons dist/icons/hicolor/NxN/apps/larder2.png.

Made from the game's own art: the player's portrait (data/portraits/0.png)
on a rounded tile of the portrait's own background colour, with the larder icon
(data/sprites/42.png) as a badge in the corner. The smallest sizes show the
larder icon alone, which stays readable at 16 pixels.
"""
import os

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, ".."))
OUT = os.path.join(ROOT, "dist", "icons", "hicolor")
SIZES = [16, 24, 32, 48, 64, 128, 256]
SMALL = 32  # at this size and below: the larder icon alone


def art(path):
    return Image.open(os.path.join(ROOT, "data", path)).convert("RGBA")


def scaled(img, size):
    # Whole-number enlargements keep the pixel art crisp.
    if size % img.width == 0:
        return img.resize((size, size), Image.NEAREST)
    return img.resize((size, size), Image.LANCZOS)


def icon(size):
    larder = art("sprites/42.png")
    if size <= SMALL:
        return scaled(larder, size)
    big = 4 * size  # drawn large, then reduced for smooth corners
    portrait = art("portraits/0.png")
    tile = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    ImageDraw.Draw(tile).rounded_rectangle([0, 0, big - 1, big - 1], radius=big // 6,
                                           fill=portrait.getpixel((0, 0)))
    face = scaled(portrait, big * 13 // 16)
    tile.alpha_composite(face, ((big - face.width) // 2, big - face.height))
    badge = scaled(larder, big * 7 // 16)
    tile.alpha_composite(badge, (big - badge.width, big - badge.height))
    return tile.resize((size, size), Image.LANCZOS)


def main():
    for size in SIZES:
        folder = os.path.join(OUT, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        icon(size).save(os.path.join(folder, "larder2.png"), optimize=True)


if __name__ == "__main__":
    main()
