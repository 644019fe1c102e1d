"""Small drawing helpers shared by the art generators.

Shapes are drawn on a canvas SS times larger than the final image and then
scaled down, which gives smooth, anti-aliased edges without any extra
dependency beyond Pillow.
"""
import os
import random

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SS = 4  # supersampling factor

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.normpath(os.path.join(HERE, "..", "data"))

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
SANS = os.path.join(FONT_DIR, "DejaVuSans.ttf")
SANS_BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")
MONO_BOLD = os.path.join(FONT_DIR, "DejaVuSansMono-Bold.ttf")


def font(path, size):
    return ImageFont.truetype(path, size)


class Canvas:
    """An RGBA drawing surface in final-image pixel units, drawn at SS x."""

    def __init__(self, w, h, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), bg)
        self.d = ImageDraw.Draw(self.img)

    @staticmethod
    def _s(v):
        return v * SS

    def _box(self, box):
        x0, y0, x1, y1 = box
        return [x0 * SS, y0 * SS, x1 * SS - 1, y1 * SS - 1]

    def rect(self, box, fill=None, outline=None, width=1):
        self.d.rectangle(self._box(box), fill=fill, outline=outline,
                         width=int(width * SS) if outline else 0)

    def rrect(self, box, r, fill=None, outline=None, width=1):
        self.d.rounded_rectangle(self._box(box), radius=r * SS, fill=fill,
                                 outline=outline,
                                 width=int(width * SS) if outline else 0)

    def ellipse(self, box, fill=None, outline=None, width=1):
        self.d.ellipse(self._box(box), fill=fill, outline=outline,
                       width=int(width * SS) if outline else 0)

    def circle(self, cx, cy, r, fill=None, outline=None, width=1):
        self.ellipse((cx - r, cy - r, cx + r, cy + r), fill, outline, width)

    def line(self, pts, fill, width=1):
        self.d.line([(x * SS, y * SS) for x, y in pts], fill=fill,
                    width=max(1, int(width * SS)), joint="curve")

    def poly(self, pts, fill=None, outline=None, width=1):
        self.d.polygon([(x * SS, y * SS) for x, y in pts], fill=fill,
                       outline=outline,
                       width=int(width * SS) if outline else 0)

    def text(self, xy, s, fnt, fill, anchor="la"):
        # fnt must have been created at SS times the wanted size
        self.d.text((xy[0] * SS, xy[1] * SS), s, font=fnt, fill=fill,
                    anchor=anchor)

    def image(self):
        """The final image, scaled down with premultiplied alpha."""
        small = self.img.convert("RGBa").resize((self.w, self.h),
                                                Image.LANCZOS)
        return small.convert("RGBA")


def halo(img, rim=(20, 18, 18), glow=(240, 238, 228), glow_alpha=235):
    """The image inside a one-pixel dark rim and, around that, a one-pixel
    pale glow, so it reads on pale floors (the rim) and on dark ones and
    black (the glow).  The image needs two clear pixels at each edge."""
    alpha = img.getchannel("A")
    rim_mask = alpha.filter(ImageFilter.MaxFilter(3))
    glow_mask = alpha.filter(ImageFilter.MaxFilter(5)).point(
        lambda v: v * glow_alpha // 255)
    out = Image.new("RGBA", img.size, glow + (0,))
    out.putalpha(glow_mask)
    dark = Image.new("RGBA", img.size, rim + (0,))
    dark.putalpha(rim_mask)
    out = Image.alpha_composite(out, dark)
    return Image.alpha_composite(out, img)


def noisy(w, h, base, amount, seed, speckle=0.0, dark=40):
    """An opaque RGB image of colour `base` with per-pixel jitter."""
    rnd = random.Random(seed)
    img = Image.new("RGB", (w, h))
    px = img.load()
    for y in range(h):
        for x in range(w):
            j = rnd.randint(-amount, amount)
            if speckle and rnd.random() < speckle:
                j -= dark
            px[x, y] = tuple(max(0, min(255, c + j)) for c in base)
    return img


def shade(c, f):
    """Colour c scaled by f (f < 1 darker, f > 1 lighter), alpha kept."""
    out = tuple(max(0, min(255, int(v * f))) for v in c[:3])
    return out + tuple(c[3:])


def save(img, relpath):
    path = os.path.join(DATA, relpath)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.save(path, optimize=True)
    return path
