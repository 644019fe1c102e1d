#!/usr/bin/python3
"""Draws the map tiles data/tiles/0.png ... 44.png (48 x 48 pixels each).

Tile numbers have fixed roles in the game:
  solid (blocks walking): 1 12-22 28-34 38 42-44
  solid, but bullets and sight pass: 22 30-33 42 44 (fences, windows, railings)
  animated: 22 (frames 22, 23, 24) and 35 (frames 35, 36, 37)
Everything else is open floor.  Solid tiles are drawn as raised blocks with a
light top/left edge and a dark bottom/right edge; floors are flat.
"""
import random

from PIL import Image, ImageDraw

from artkit import Canvas, noisy, save, shade

T = 48


# ---------------------------------------------------------------- floors

def asphalt(seed=0):
    return noisy(T, T, (70, 72, 76), 7, 100 + seed, speckle=0.04, dark=18)


def pavement():
    img = noisy(T, T, (168, 166, 160), 6, 2)
    d = ImageDraw.Draw(img)
    for i in (0, 24):
        d.line([(0, i), (T - 1, i)], fill=(128, 126, 120))
        d.line([(i, 0), (i, T - 1)], fill=(128, 126, 120))
        d.line([(0, i + 1), (T - 1, i + 1)], fill=(186, 184, 178))
        d.line([(i + 1, 0), (i + 1, T - 1)], fill=(186, 184, 178))
    return img


def grass(seed=3):
    img = noisy(T, T, (74, 140, 58), 10, seed)
    rnd = random.Random(seed + 1000)
    d = ImageDraw.Draw(img)
    for _ in range(40):
        x, y = rnd.randrange(T), rnd.randrange(T)
        c = rnd.choice([(56, 112, 44), (96, 166, 72), (64, 128, 50)])
        d.line([(x, y), (x + rnd.randint(-1, 1), y - 3)], fill=c)
    return img


def wood_floor(base=(164, 116, 70), seed=4):
    img = noisy(T, T, base, 5, seed)
    d = ImageDraw.Draw(img)
    rnd = random.Random(seed)
    for row in range(0, T, 8):
        d.line([(0, row), (T - 1, row)], fill=shade(base, 0.7))
        off = rnd.randrange(8, 40)
        d.line([(off, row), (off, row + 7)], fill=shade(base, 0.75))
        for _ in range(3):
            gx = rnd.randrange(T)
            d.line([(gx, row + 3), (gx + 5, row + 3)], fill=shade(base, 0.88))
    return img


def white_tiles():
    img = Image.new("RGB", (T, T))
    d = ImageDraw.Draw(img)
    for ty in range(4):
        for tx in range(4):
            c = (232, 232, 228) if (tx + ty) % 2 == 0 else (200, 204, 208)
            d.rectangle([tx * 12, ty * 12, tx * 12 + 11, ty * 12 + 11], fill=c)
    return img


def road_dash(vertical):
    img = asphalt(6)
    d = ImageDraw.Draw(img)
    if vertical:
        d.rectangle([22, 8, 25, 39], fill=(236, 236, 226))
    else:
        d.rectangle([8, 22, 39, 25], fill=(236, 236, 226))
    return img


def zebra():
    img = asphalt(8)
    d = ImageDraw.Draw(img)
    for x in range(3, T, 12):
        d.rectangle([x, 0, x + 5, T - 1], fill=(232, 232, 224))
    return img


def doorway():
    img = wood_floor((150, 104, 62), 9)
    c = Canvas(T, T)
    c.rect((10, 10, 38, 38), fill=(140, 40, 36, 255))
    c.rect((13, 13, 35, 35), outline=(180, 70, 60, 255), width=1)
    for (x, y) in ((0, 0), (40, 0), (0, 40), (40, 40)):
        c.rect((x, y, x + 8, y + 8), fill=(96, 96, 100, 255))
        c.rect((x, y, x + 8, y + 8), outline=(50, 50, 54, 255), width=1)
    img.paste(c.image(), (0, 0), c.image())
    return img


def carpet():
    img = noisy(T, T, (128, 30, 42), 6, 10)
    c = Canvas(T, T)
    c.poly([(24, 6), (42, 24), (24, 42), (6, 24)], outline=(176, 128, 60, 255),
           width=2)
    c.circle(24, 24, 4, fill=(176, 128, 60, 255))
    for (x, y) in ((0, 0), (48, 0), (0, 48), (48, 48)):
        c.circle(x, y, 5, fill=(90, 20, 30, 255))
    im = c.image()
    img.paste(im, (0, 0), im)
    return img


def dirt():
    img = noisy(T, T, (134, 100, 64), 10, 11, speckle=0.05, dark=30)
    rnd = random.Random(11)
    d = ImageDraw.Draw(img)
    for _ in range(8):
        x, y = rnd.randrange(2, T - 3), rnd.randrange(2, T - 3)
        d.ellipse([x, y, x + 2, y + 2], fill=(170, 150, 120))
    return img


def flowers():
    img = grass(25)
    rnd = random.Random(25)
    c = Canvas(T, T)
    for _ in range(9):
        x, y = rnd.randrange(5, 43), rnd.randrange(5, 43)
        col = rnd.choice([(230, 60, 70), (250, 220, 60), (240, 240, 250),
                          (200, 100, 230)])
        for a in range(5):
            import math
            ang = a * 2 * math.pi / 5
            c.circle(x + 2.2 * math.cos(ang), y + 2.2 * math.sin(ang), 1.6,
                     fill=col + (255,))
        c.circle(x, y, 1.2, fill=(250, 200, 40, 255))
    im = c.image()
    img.paste(im, (0, 0), im)
    return img


def sand():
    return noisy(T, T, (222, 200, 140), 9, 26, speckle=0.03, dark=30)


def parking():
    img = asphalt(27)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, 3, T - 1], fill=(230, 200, 40))
    d.rectangle([0, 0, T - 1, 3], fill=(230, 200, 40))
    return img


def linoleum():
    return noisy(T, T, (196, 222, 206), 5, 39, speckle=0.03, dark=25)


def blue_tiles():
    img = Image.new("RGB", (T, T), (150, 170, 190))
    d = ImageDraw.Draw(img)
    for ty in range(6):
        for tx in range(6):
            c = (110, 160, 210) if (tx * 7 + ty * 3) % 5 else (90, 140, 196)
            d.rectangle([tx * 8 + 1, ty * 8 + 1, tx * 8 + 7, ty * 8 + 7],
                        fill=c)
    return img


def cross_mat():
    img = linoleum()
    c = Canvas(T, T)
    c.rect((6, 6, 42, 42), fill=(246, 246, 246, 255))
    c.rect((19, 10, 29, 38), fill=(214, 30, 36, 255))
    c.rect((10, 19, 38, 29), fill=(214, 30, 36, 255))
    im = c.image()
    img.paste(im, (0, 0), im)
    return img


def water(frame):
    import math
    img = Image.new("RGB", (T, T))
    px = img.load()
    for y in range(T):
        for x in range(T):
            v = math.sin((x + y) * 0.35 + frame * 2.1) + \
                math.sin((x - y) * 0.28 - frame * 2.1)
            px[x, y] = (60 + int(v * 8), 140 + int(v * 14), 210 + int(v * 10))
    c = Canvas(T, T)
    rnd = random.Random(35)
    for _ in range(3):
        x, y = rnd.randrange(8, 40), rnd.randrange(8, 40)
        r = 3 + frame * 4
        c.circle(x, y, r, outline=(220, 240, 255, 200 - frame * 60), width=1.5)
    im = c.image()
    img.paste(im, (0, 0), im)
    return img


# ---------------------------------------------------------------- solids

def bevel(img, light=1.25, dark=0.55, w=3):
    """Gives a tile the look of a raised block."""
    px = img.load()
    for i in range(w):
        for k in range(T):
            px[k, i] = shade(px[k, i], light)
            px[i, k] = shade(px[i, k], light)
            px[k, T - 1 - i] = shade(px[k, T - 1 - i], dark)
            px[T - 1 - i, k] = shade(px[T - 1 - i, k], dark)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, T - 1, T - 1], outline=(24, 20, 20))
    return img


def brick(base=(168, 62, 44), mortar=(196, 186, 170), seed=1):
    img = Image.new("RGB", (T, T), mortar)
    d = ImageDraw.Draw(img)
    rnd = random.Random(seed)
    for row in range(6):
        off = 0 if row % 2 == 0 else -8
        for col in range(-1, 4):
            x = off + col * 16
            c = shade(base, rnd.uniform(0.85, 1.12))
            d.rectangle([x + 1, row * 8 + 1, x + 15, row * 8 + 7], fill=c)
    return bevel(img)


def concrete():
    img = noisy(T, T, (150, 152, 156), 6, 12, speckle=0.03)
    d = ImageDraw.Draw(img)
    d.line([(0, 24), (T - 1, 24)], fill=(110, 112, 116))
    d.line([(24, 0), (24, 23)], fill=(110, 112, 116))
    d.line([(12, 25), (12, T - 1)], fill=(110, 112, 116))
    d.line([(36, 25), (36, T - 1)], fill=(110, 112, 116))
    return bevel(img)


def painted_wall():
    img = noisy(T, T, (222, 196, 120), 4, 13)
    d = ImageDraw.Draw(img)
    d.rectangle([6, 6, 41, 41], outline=(190, 160, 90))
    return bevel(img)


def hedge():
    img = noisy(T, T, (40, 96, 40), 8, 14)
    c = Canvas(T, T)
    rnd = random.Random(14)
    for _ in range(26):
        x, y = rnd.randrange(2, 46), rnd.randrange(2, 46)
        col = rnd.choice([(50, 120, 48), (64, 140, 56), (34, 84, 34)])
        c.circle(x, y, rnd.uniform(4, 7), fill=col + (255,))
    im = c.image()
    img.paste(im, (0, 0), im)
    return bevel(img, 1.2, 0.5)


def tree():
    img = grass(15)
    c = Canvas(T, T)
    c.circle(27, 27, 21, fill=(0, 0, 0, 90))  # shadow
    c.circle(24, 24, 22, fill=(30, 88, 34, 255), outline=(14, 44, 16, 255),
             width=1.5)
    rnd = random.Random(15)
    for _ in range(12):
        x, y = rnd.randrange(10, 38), rnd.randrange(10, 38)
        c.circle(x, y, rnd.uniform(4, 7), fill=(44, 118, 46, 255))
    c.circle(18, 17, 6, fill=(78, 160, 70, 255))
    im = c.image()
    img.paste(im, (0, 0), im)
    return img


def hospital_wall():
    img = Image.new("RGB", (T, T), (236, 238, 240))
    d = ImageDraw.Draw(img)
    for i in range(0, T, 12):
        d.line([(i, 0), (i, T - 1)], fill=(206, 210, 214))
        d.line([(0, i), (T - 1, i)], fill=(206, 210, 214))
    d.rectangle([0, 19, T - 1, 28], fill=(200, 36, 40))
    return bevel(img, 1.0, 0.6)


def on_floor(floor, draw_fn):
    """Draws supersampled furniture over a floor tile."""
    img = floor.copy()
    c = Canvas(T, T)
    draw_fn(c)
    im = c.image()
    img.paste(im, (0, 0), im)
    return img


def counter():
    def f(c):
        c.rect((3, 5, 48, 46), fill=(0, 0, 0, 80))
        c.rect((0, 2, 45, 43), fill=(120, 72, 40, 255),
               outline=(50, 28, 14, 255), width=1.5)
        c.rect((3, 5, 42, 40), fill=(176, 160, 140, 255))
        c.rect((3, 5, 42, 10), fill=(200, 188, 170, 255))
        c.circle(30, 25, 5, fill=(230, 230, 236, 255),
                 outline=(120, 120, 130, 255))
    return on_floor(white_tiles(), f)


def stone_wall():
    img = Image.new("RGB", (T, T), (70, 66, 62))
    c = Canvas(T, T)
    rnd = random.Random(18)
    for row in range(4):
        x = -rnd.randrange(0, 10)
        while x < T:
            w = rnd.randrange(10, 18)
            col = shade((128, 120, 108), rnd.uniform(0.8, 1.15))
            c.rrect((x + 1, row * 12 + 1, x + w - 1, row * 12 + 11), 3,
                    fill=col + (255,))
            x += w
    im = c.image()
    img.paste(im, (0, 0), im)
    return bevel(img)


def bookshelf():
    def f(c):
        c.rect((0, 0, 48, 48), fill=(92, 56, 28, 255),
               outline=(40, 22, 10, 255), width=1.5)
        rnd = random.Random(19)
        for row in (3, 26):
            x = 3
            while x < 44:
                w = rnd.randrange(3, 6)
                col = rnd.choice([(180, 40, 40), (40, 80, 160), (50, 130, 60),
                                  (200, 170, 60), (120, 60, 140),
                                  (220, 220, 210)])
                c.rect((x, row, min(x + w, 45), row + 19), fill=col + (255,))
                x += w + 1
    return on_floor(wood_floor(), f)


def table():
    def f(c):
        c.rect((6, 8, 46, 46), fill=(0, 0, 0, 70))
        c.rect((3, 4, 44, 43), fill=(140, 90, 50, 255),
               outline=(60, 36, 18, 255), width=1.5)
        c.circle(16, 16, 6, fill=(240, 240, 240, 255),
                 outline=(150, 150, 150, 255))
        c.circle(32, 30, 6, fill=(240, 240, 240, 255),
                 outline=(150, 150, 150, 255))
        c.circle(32, 30, 3, fill=(200, 120, 60, 255))
    return on_floor(wood_floor(), f)


def bed():
    def f(c):
        c.rect((6, 3, 46, 47), fill=(0, 0, 0, 60))
        c.rect((4, 1, 44, 46), fill=(180, 184, 190, 255),
               outline=(80, 84, 90, 255), width=1.5)
        c.rect((7, 4, 41, 43), fill=(250, 250, 250, 255))
        c.rrect((10, 6, 38, 15), 3, fill=(236, 240, 246, 255),
                outline=(170, 176, 186, 255))
        c.rect((7, 19, 41, 43), fill=(100, 150, 210, 255))
        c.line([(7, 19), (41, 19)], fill=(230, 240, 250, 255), width=2)
    return on_floor(linoleum(), f)


def electric_fence(frame):
    img = dirt()
    c = Canvas(T, T)
    c.rect((0, 22, 48, 28), fill=(0, 0, 0, 60))
    for y in (14, 21, 28):
        c.line([(0, y), (48, y)], fill=(150, 150, 160, 255), width=1.5)
    for x in (4, 44):
        c.rect((x - 4, 10, x + 4, 33), fill=(40, 40, 40, 255))
        for k in range(3):
            c.rect((x - 3, 11 + k * 8, x + 3, 15 + k * 8),
                   fill=(240, 200, 20, 255))
    rnd = random.Random(22 + frame * 17)
    for _ in range(2):
        x = rnd.randrange(10, 36)
        y = rnd.choice((14, 21, 28))
        pts = [(x, y)]
        for k in range(4):
            pts.append((x + 2 * k + 2, y + rnd.choice((-4, 4))))
        c.line(pts, fill=(255, 255, 140, 255), width=1.5)
        c.circle(x + 4, y, 3.5, fill=(255, 255, 200, 120))
    im = c.image()
    img.paste(im, (0, 0), im)
    return img


def plaster_wall():
    img = noisy(T, T, (214, 204, 184), 3, 28)
    return bevel(img, 1.1, 0.62)


def wood_wall():
    img = Image.new("RGB", (T, T), (88, 54, 30))
    d = ImageDraw.Draw(img)
    for i, x in enumerate(range(0, T, 8)):
        d.rectangle([x, 0, x + 7, T - 1],
                    fill=shade((110, 70, 38), 0.9 + 0.05 * (i % 3)))
        d.line([(x, 0), (x, T - 1)], fill=(60, 36, 18))
    return bevel(img)


def picket_fence(vertical):
    def f(c):
        # two rails and pickets with gaps between them
        c.rect((0, 17, 48, 21), fill=(230, 226, 214, 255))
        c.rect((0, 29, 48, 33), fill=(230, 226, 214, 255))
        for x in range(2, 48, 8):
            c.rect((x + 2, 12, x + 7, 40), fill=(0, 0, 0, 70))
            c.rrect((x, 10, x + 5, 38), 2, fill=(250, 248, 240, 255),
                    outline=(120, 110, 96, 255))
    img = on_floor(grass(30), f)
    return img.transpose(Image.TRANSPOSE) if vertical else img


def window(vertical):
    img = concrete()
    c = Canvas(T, T)
    c.rect((0, 13, 48, 35), fill=(70, 70, 76, 255))
    c.rect((0, 16, 48, 32), fill=(150, 200, 236, 255))
    c.line([(6, 31), (18, 17)], fill=(236, 248, 255, 255), width=2)
    c.line([(26, 31), (38, 17)], fill=(236, 248, 255, 255), width=2)
    c.line([(0, 24), (48, 24)], fill=(90, 120, 150, 255), width=1)
    im = c.image()
    img.paste(im, (0, 0), im)
    return img.transpose(Image.TRANSPOSE) if vertical else img


def crates():
    def f(c):
        for (x, y, s) in ((1, 1, 26), (24, 20, 24), (2, 28, 19)):
            c.rect((x + 2, y + 2, x + s + 2, y + s + 2), fill=(0, 0, 0, 80))
            c.rect((x, y, x + s, y + s), fill=(190, 140, 70, 255),
                   outline=(90, 60, 26, 255), width=1.5)
            c.rect((x + 3, y + 3, x + s - 3, y + s - 3),
                   outline=(130, 90, 40, 255), width=1)
            c.line([(x + 3, y + 3), (x + s - 3, y + s - 3)],
                   fill=(130, 90, 40, 255), width=2)
    return on_floor(concrete_floor(), f)


def concrete_floor():
    return noisy(T, T, (132, 132, 128), 6, 340, speckle=0.03)


def pillar():
    def f(c):
        c.circle(28, 28, 18, fill=(0, 0, 0, 90))
        c.circle(24, 24, 19, fill=(150, 146, 138, 255),
                 outline=(60, 58, 54, 255), width=1.5)
        c.circle(24, 24, 13, fill=(196, 192, 184, 255))
        c.circle(20, 20, 5, fill=(226, 224, 218, 255))
    return on_floor(pavement(), f)


def railing(vertical):
    def f(c):
        for y in (19, 29):
            c.line([(0, y + 2), (48, y + 2)], fill=(0, 0, 0, 70), width=2)
            c.line([(0, y), (48, y)], fill=(190, 196, 204, 255), width=3)
        for x in (4, 24, 44):
            c.circle(x, 24, 4, fill=(120, 126, 136, 255),
                     outline=(60, 62, 70, 255))
    img = on_floor(pavement(), f)
    return img.transpose(Image.TRANSPOSE) if vertical else img


def vending():
    def f(c):
        c.rect((5, 6, 47, 47), fill=(0, 0, 0, 80))
        c.rect((2, 2, 44, 44), fill=(200, 30, 36, 255),
               outline=(90, 10, 14, 255), width=1.5)
        c.rect((5, 5, 41, 14), fill=(240, 240, 240, 255))
        for x in range(8, 40, 6):
            c.line([(x, 20), (x, 38)], fill=(140, 20, 24, 255), width=2)
    return on_floor(pavement(), f)


TILES = {
    0: asphalt, 1: brick, 2: pavement, 3: grass, 4: wood_floor,
    5: white_tiles, 6: lambda: road_dash(False), 7: lambda: road_dash(True),
    8: zebra, 9: doorway, 10: carpet, 11: dirt,
    12: concrete, 13: painted_wall, 14: hedge, 15: tree, 16: hospital_wall,
    17: counter, 18: stone_wall, 19: bookshelf, 20: table, 21: bed,
    22: lambda: electric_fence(0), 23: lambda: electric_fence(1),
    24: lambda: electric_fence(2),
    25: flowers, 26: sand, 27: parking,
    28: plaster_wall, 29: wood_wall,
    30: lambda: picket_fence(False), 31: lambda: picket_fence(True),
    32: lambda: window(False), 33: lambda: window(True),
    34: crates,
    35: lambda: water(0), 36: lambda: water(1), 37: lambda: water(2),
    38: pillar, 39: linoleum, 40: blue_tiles, 41: cross_mat,
    42: lambda: railing(False), 43: vending, 44: lambda: railing(True),
}


def main():
    for n in range(45):
        img = TILES[n]().convert("RGB")
        assert img.size == (T, T)
        save(img, "tiles/%d.png" % n)
    print("tiles: wrote 45 tiles to data/tiles")


if __name__ == "__main__":
    main()
