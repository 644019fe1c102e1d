#!/usr/bin/python3
"""Renders the two bitmap fonts of the game from DejaVu Sans (Debian package
fonts-dejavu-core):

  data/font.png      + data/font.fnt       large font, about 22 px per line
  data/smallfont.png + data/smallfont.fnt  small font, about 13 px per line

Each page is one 256 x 256 image holding the printable ASCII characters 32 to
126 as white glyphs with a one-pixel near-black outline, on pure black (the
game makes pure black transparent and tints the rest by the text colour, so
the outline stays dark whatever the colour: text reads on pale floors and on
black alike).

The definition file is read by position, not by key:
  line 1   any text (ignored)
  line 2   common lineHeight= base= scaleW= scaleH= pages=     (5 tokens)
  then     char id= x= y= width= height= xoffset= yoffset= xadvance= page=
The file ends right after the last "char" line, without a trailing newline,
so the reader meets the end of the file and no blank line.
"""
import os

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

from artkit import DATA, SANS_BOLD

PAGE = 256
PAD = 1          # empty pixels kept around every glyph on the page
GAMMA = 0.75     # brightens anti-aliased edges so they do not look grimy
OUTLINE = 1      # pixels of dark rim around every glyph
RIM = 12         # grey level of the rim: dark, but not the transparent black

FONTS = [
    # name, ttf file, pixel size, extra line spacing
    ("font", SANS_BOLD, 18, 1),
    ("smallfont", SANS_BOLD, 11, 0),
]


def render(name, path, size, spacing):
    ttf = ImageFont.truetype(path, size)
    ascent, descent = ttf.getmetrics()
    line_height = ascent + descent + spacing + OUTLINE  # room for the rim
    page = Image.new("L", (PAGE, PAGE), 0)
    glyphs = []
    x, y, shelf = PAD, PAD, 0
    for code in range(32, 127):
        ch = chr(code)
        advance = int(round(ttf.getlength(ch)))
        l, t, r, b = ttf.getbbox(ch, anchor="la")
        w, h = max(0, r - l), max(0, b - t)
        if w == 0 or h == 0:
            # the space: nothing to draw, only the pen advance
            glyphs.append((code, 0, 0, 0, 0, 0, 0, advance))
            continue
        w, h = w + 2 * OUTLINE, h + 2 * OUTLINE
        if x + w + PAD > PAGE:
            x, y, shelf = PAD, y + shelf + 2 * PAD, 0
        assert y + h + PAD <= PAGE, "%s does not fit on one page" % name
        img = Image.new("L", (w, h), 0)
        ImageDraw.Draw(img).text((OUTLINE - l, OUTLINE - t), ch, font=ttf,
                                 fill=255, anchor="la")
        img = img.point(lambda v: 0 if v == 0 else
                        max(1, int(255 * (v / 255.0) ** GAMMA)))
        # The rim: every pixel within OUTLINE of the glyph, at least RIM.
        rim = img.filter(ImageFilter.MaxFilter(2 * OUTLINE + 1))
        rim = rim.point(lambda v: RIM if v > 0 else 0)
        img = ImageChops.lighter(img, rim)
        page.paste(img, (x, y))
        # The glyph moves right and down by the rim, so text printed at the
        # window's edge keeps its rim inside; the pen advances past the rim.
        glyphs.append((code, x, y, w, h, l, t, advance + OUTLINE))
        x += w + 2 * PAD
        shelf = max(shelf, h)

    page.convert("RGB").save(os.path.join(DATA, name + ".png"), optimize=True)
    lines = ['info face="DejaVu Sans Bold" size=%d bold=1 charset=ascii'
             % size,
             "common lineHeight=%d base=%d scaleW=%d scaleH=%d pages=1"
             % (line_height, ascent, PAGE, PAGE)]
    for (code, gx, gy, w, h, xo, yo, adv) in glyphs:
        lines.append("char id=%d x=%d y=%d width=%d height=%d xoffset=%d "
                     "yoffset=%d xadvance=%d page=0"
                     % (code, gx, gy, w, h, xo, yo, adv))
    with open(os.path.join(DATA, name + ".fnt"), "w", newline="\n") as f:
        f.write("\n".join(lines))
    print("fonts: %s, line height %d, %d glyphs" % (name, line_height,
                                                      len(glyphs)))


def main():
    for font in FONTS:
        render(*font)


if __name__ == "__main__":
    main()
