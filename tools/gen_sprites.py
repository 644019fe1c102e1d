#!/usr/bin/python3
"""Draws the actor sprite set data/sprites/N.png and the portraits
data/portraits/N.png.

Characters are seen from straight above.  The game turns an actor's image
counter-clockwise by its heading, and heading 0 points to the right, so every
character, bullet and the larder arrow is drawn FACING RIGHT: at heading 90
it then faces up the screen.  Weapons are drawn from the side, muzzle to the
right.  The index table is SPRITES at the bottom; see tools/README.md.
"""
import math
import random

from PIL import Image

import cpp_tables
from artkit import (Canvas, font, halo, save, shade, SANS, SANS_BOLD, SS)

SKIN = [(236, 196, 160), (198, 146, 104), (142, 96, 62), (250, 214, 180)]


# ------------------------------------------------------------- characters

class Look:
    def __init__(self, shirt, hair, skin=SKIN[0], trousers=(50, 50, 60),
                 cap=False, stripe=None):
        self.shirt, self.hair, self.skin = shirt, hair, skin
        self.trousers, self.cap, self.stripe = trousers, cap, stripe


PLAYER = Look((64, 150, 70), (40, 30, 24), stripe=(230, 230, 210))
POLICE = Look((34, 56, 130), (30, 30, 30), trousers=(20, 26, 60), cap=True)
CIVILIANS = [
    Look((200, 50, 50), (230, 200, 110), SKIN[0]),
    Look((230, 190, 50), (90, 56, 30), SKIN[1]),
    Look((130, 70, 160), (160, 160, 165), SKIN[3], trousers=(90, 70, 50)),
    Look((230, 130, 40), (20, 20, 20), SKIN[2]),
    Look((50, 160, 170), (170, 70, 30), SKIN[0], trousers=(70, 60, 110)),
]

OUT = (20, 18, 18, 255)


def rgba(c, a=255):
    return tuple(c[:3]) + (a,)


def person(look, frame, firing=False, weapon="pistol"):
    """A 48 x 48 character facing right.  frame 0: feet together, 1 and 2:
    a step with one foot ahead."""
    c = Canvas(48, 48)
    step = {0: 0, 1: 7, 2: -7}[frame]
    c.ellipse((13, 11, 37, 41), fill=(0, 0, 0, 70))  # shadow
    # shoes
    shoe = rgba(shade(look.trousers, 0.7))
    c.ellipse((20 + step, 14, 31 + step, 21), fill=shoe, outline=OUT)
    c.ellipse((20 - step, 27, 31 - step, 34), fill=shoe, outline=OUT)
    # arms and hands
    if firing:
        c.line([(24, 13), (37, 22)], fill=rgba(shade(look.shirt, 0.8)), width=5)
        c.line([(24, 35), (37, 26)], fill=rgba(shade(look.shirt, 0.8)), width=5)
        c.circle(38, 24, 3.5, fill=rgba(look.skin), outline=OUT)
        if weapon == "shotgun":
            c.rect((30, 22, 48, 26), fill=(70, 50, 30, 255), outline=OUT)
            c.rect((38, 22.5, 48, 25.5), fill=(50, 50, 56, 255))
        else:
            c.rect((37, 22, 46, 26), fill=(40, 40, 46, 255), outline=OUT)
            c.poly([(46, 24), (48, 20), (48, 28)], fill=(255, 220, 90, 255))
    else:
        swing = -step * 0.8
        c.circle(24 + swing, 10, 3.5, fill=rgba(look.skin), outline=OUT)
        c.circle(24 - swing, 38, 3.5, fill=rgba(look.skin), outline=OUT)
    # torso: shoulders are wide across the facing direction
    c.ellipse((15, 9, 33, 39), fill=rgba(look.shirt), outline=OUT, width=1.2)
    if look.stripe:
        c.line([(19, 12), (19, 36)], fill=rgba(look.stripe), width=2.5)
    if look.cap:
        c.circle(29, 33, 1.8, fill=(240, 200, 40, 255))  # badge
    # head
    hx, hy, hr = 25, 24, 6.5
    c.circle(hx, hy, hr, fill=rgba(look.skin), outline=OUT)
    if look.cap:
        c.circle(hx - 1, hy, hr + 0.5, fill=(24, 36, 90, 255), outline=OUT)
        c.poly([(hx + 4, hy - 6), (hx + 9, hy - 3), (hx + 9, hy + 3),
                (hx + 4, hy + 6)], fill=(10, 10, 14, 255))
        c.circle(hx - 1, hy, 2, fill=(240, 200, 40, 255))
    else:
        # hair covers the back and top of the head, the face shows in front
        pts = [(hx + hr * math.cos(math.radians(a)),
                hy + hr * math.sin(math.radians(a))) for a in range(55, 306, 10)]
        c.poly(pts, fill=rgba(look.hair))
        c.circle(hx + hr, hy, 1.5, fill=rgba(shade(look.skin, 0.85)))  # nose
    return c.image()


def corpse(look, seed):
    """A 64 x 64 body lying on its back in a pool of blood."""
    c = Canvas(64, 64)
    rnd = random.Random(seed)
    for _ in range(7):
        x, y = rnd.uniform(16, 48), rnd.uniform(16, 48)
        r = rnd.uniform(7, 13)
        c.ellipse((x - r, y - r * 0.8, x + r, y + r * 0.8),
                  fill=(120, 8, 10, 200))
    # legs
    c.line([(30, 34), (14, 46)], fill=rgba(look.trousers), width=6)
    c.line([(34, 36), (40, 54)], fill=rgba(look.trousers), width=6)
    c.circle(13, 47, 3.5, fill=(30, 30, 30, 255))
    c.circle(41, 55, 3.5, fill=(30, 30, 30, 255))
    # arms flung out
    c.line([(28, 26), (12, 18)], fill=rgba(look.shirt), width=5)
    c.line([(38, 28), (54, 36)], fill=rgba(look.shirt), width=5)
    c.circle(11, 17, 3.5, fill=rgba(look.skin), outline=OUT)
    c.circle(55, 37, 3.5, fill=rgba(look.skin), outline=OUT)
    c.poly([(26, 22), (42, 26), (38, 40), (24, 36)], fill=rgba(look.shirt),
           outline=OUT)
    c.circle(38, 19, 7.5, fill=rgba(look.skin), outline=OUT)
    c.ellipse((32, 10, 45, 20), fill=rgba(look.hair))
    c.line([(35, 20), (39, 22)], fill=(60, 20, 20, 255), width=1)  # x-eyes
    if look.cap:
        c.circle(50, 12, 7, fill=(24, 36, 90, 255), outline=OUT)
        c.poly([(45, 17), (53, 20), (56, 16)], fill=(10, 10, 14, 255))
        c.circle(50, 12, 2, fill=(240, 200, 40, 255))
        c.circle(33, 30, 1.8, fill=(240, 200, 40, 255))
    for _ in range(4):
        x, y = rnd.uniform(22, 44), rnd.uniform(24, 40)
        c.circle(x, y, rnd.uniform(1.5, 3), fill=(150, 10, 12, 230))
    return c.image()


# ------------------------------------------------------------- small things

def bullet():
    c = Canvas(48, 48)
    c.line([(8, 24), (30, 24)], fill=(255, 230, 150, 70), width=3)
    c.ellipse((26, 22, 38, 26), fill=(250, 210, 90, 255),
              outline=(120, 80, 20, 255), width=0.7)
    c.ellipse((33, 22.5, 38, 25.5), fill=(255, 250, 210, 255))
    return c.image()


def nail():
    c = Canvas(48, 48)
    c.line([(14, 24), (36, 24)], fill=(200, 205, 215, 255), width=2)
    c.poly([(36, 23), (40, 24), (36, 25)], fill=(200, 205, 215, 255))
    c.rect((12, 20, 15, 28), fill=(150, 155, 165, 255), outline=OUT,
           width=0.5)
    return c.image()


def blood(seed):
    c = Canvas(32, 32)
    rnd = random.Random(seed)
    c.circle(16, 16, rnd.uniform(6, 8), fill=(150, 10, 12, 230))
    for _ in range(9):
        a = rnd.uniform(0, 2 * math.pi)
        d = rnd.uniform(6, 13)
        c.circle(16 + d * math.cos(a), 16 + d * math.sin(a),
                 rnd.uniform(1.2, 3.2), fill=(170, 14, 16, 220))
    return c.image()


def bullet_hole():
    c = Canvas(16, 16)
    c.circle(8, 8, 6, fill=(60, 55, 50, 160))
    c.circle(8, 8, 3.5, fill=(10, 10, 10, 255))
    for a in range(0, 360, 72):
        r = math.radians(a + 20)
        c.line([(8 + 3 * math.cos(r), 8 + 3 * math.sin(r)),
                (8 + 7 * math.cos(r), 8 + 7 * math.sin(r))],
               fill=(30, 30, 30, 200), width=0.8)
    return c.image()


def casing():
    c = Canvas(16, 16)
    c.rrect((3, 6, 13, 10), 1.5, fill=(214, 170, 60, 255),
            outline=(110, 80, 20, 255), width=0.6)
    c.rect((11, 6, 13, 10), fill=(170, 120, 40, 255))
    return c.image()


def cursor():
    c = Canvas(48, 48)
    for w, col in ((5, (0, 0, 0, 230)), (2.5, (255, 255, 255, 255))):
        c.circle(24, 24, 13, outline=col, width=w)
        for (a, b) in (((24, 3), (24, 15)), ((24, 33), (24, 45)),
                       ((3, 24), (15, 24)), ((33, 24), (45, 24))):
            c.line([a, b], fill=col, width=w)
    c.circle(24, 24, 2, fill=(255, 255, 255, 255), outline=(0, 0, 0, 200))
    return c.image()


# The health row: dark cells with a pale edge, and red units with a dark
# edge and a pale inner ring, so the row reads on pale and on dark floors.
def health_slot():
    c = Canvas(16, 16)
    c.rrect((1, 1, 15, 15), 3, fill=(40, 40, 44, 210),
            outline=(200, 200, 206, 255), width=1)
    return c.image()


def health_unit():
    c = Canvas(16, 16)
    c.rrect((1, 1, 15, 15), 3, fill=(210, 30, 34, 255),
            outline=(60, 0, 0, 255), width=1)
    c.rrect((2, 2, 14, 14), 2, outline=(255, 186, 186, 255), width=1)
    c.rrect((4, 4, 10, 7), 1.5, fill=(255, 210, 210, 255))
    return c.image()


def talk_box():
    c = Canvas(256, 128)
    c.rrect((0, 0, 256, 128), 10, fill=(14, 20, 40, 220),
            outline=(200, 210, 240, 255), width=2)
    c.rrect((96, 2, 168, 70), 6, fill=(40, 50, 80, 255),
            outline=(200, 210, 240, 255), width=1.5)
    c.line([(10, 71), (246, 71)], fill=(120, 130, 170, 255), width=1)
    return c.image()


def clock_pill():
    """The drug pill lying on the map and the slow-motion clock face."""
    c = Canvas(48, 48)
    c.circle(24, 24, 21, fill=(70, 110, 220, 255), outline=OUT, width=1.5)
    c.circle(24, 24, 16, fill=(245, 245, 250, 255))
    for k in range(12):
        a = math.radians(k * 30)
        r0 = 12 if k % 3 else 10
        c.line([(24 + r0 * math.cos(a), 24 + r0 * math.sin(a)),
                (24 + 15 * math.cos(a), 24 + 15 * math.sin(a))],
               fill=(40, 40, 60, 255), width=1.3 if k % 3 else 2)
    c.line([(24, 24), (24, 12)], fill=(20, 20, 30, 255), width=2)
    c.line([(24, 24), (32, 28)], fill=(20, 20, 30, 255), width=2)
    c.circle(24, 24, 2, fill=(220, 40, 40, 255))
    c.circle(14, 12, 3, fill=(255, 255, 255, 160))
    return c.image()


def skull():
    c = Canvas(32, 32)
    c.circle(16, 13, 11, fill=(240, 236, 226, 255), outline=OUT, width=1.2)
    c.rrect((10, 18, 22, 28), 2, fill=(240, 236, 226, 255), outline=OUT,
            width=1.2)
    c.circle(11.5, 13, 3.3, fill=(20, 18, 18, 255))
    c.circle(20.5, 13, 3.3, fill=(20, 18, 18, 255))
    c.poly([(16, 17), (14, 21), (18, 21)], fill=(20, 18, 18, 255))
    for x in (13, 16, 19):
        c.line([(x, 24), (x, 28)], fill=(20, 18, 18, 255), width=1)
    return c.image()


def people_icon():
    c = Canvas(32, 32)
    for (x, col) in ((11, (200, 200, 210)), (21, (250, 250, 255))):
        c.circle(x, 10, 5, fill=rgba(col), outline=OUT)
        c.rrect((x - 7, 16, x + 7, 31), 5, fill=rgba(col), outline=OUT)
    return c.image()


def larder_icon():
    c = Canvas(32, 32)
    c.rrect((4, 2, 28, 30), 3, fill=(200, 226, 246, 255), outline=OUT,
            width=1.2)
    c.line([(5, 12), (27, 12)], fill=(60, 80, 110, 255), width=1.2)
    c.rect((22, 5, 24, 10), fill=(60, 80, 110, 255))
    c.rect((22, 15, 24, 22), fill=(60, 80, 110, 255))
    snowflake(c, 13, 22, 5, (70, 140, 220, 255), 1.2)
    return c.image()


def snowflake(c, x, y, r, col, w):
    for k in range(3):
        a = math.radians(k * 60)
        dx, dy = r * math.cos(a), r * math.sin(a)
        c.line([(x - dx, y - dy), (x + dx, y + dy)], fill=col, width=w)


def arrow():
    """Points right: the game turns it toward the nearest larder."""
    c = Canvas(32, 32)
    pts = [(3, 12), (17, 12), (17, 5), (30, 16), (17, 27), (17, 20), (3, 20)]
    c.poly(pts, fill=(255, 220, 40, 255), outline=OUT, width=1.5)
    return c.image()


def drop_marker():
    c = Canvas(64, 64)
    snowflake(c, 32, 32, 28, (150, 210, 255, 170), 4)
    c.circle(32, 32, 18, fill=(20, 60, 120, 200))
    f = font(SANS_BOLD, 22 * SS)
    c.text((32, 33), "+1", f, (255, 255, 255, 255), anchor="mm")
    return c.image()


def larder(frame):
    """The 128 x 128 corpse freezer.  0: closed, 1: lid open with a body
    going in, 2: closing in a cloud of frost."""
    c = Canvas(128, 128)
    c.rect((10, 14, 124, 124), fill=(0, 0, 0, 90))
    c.rrect((4, 6, 120, 120), 8, fill=(214, 222, 230, 255), outline=OUT,
            width=2)
    c.rrect((10, 12, 114, 114), 6, fill=(186, 198, 210, 255))
    if frame == 1:
        c.rrect((14, 16, 110, 110), 4, fill=(40, 70, 100, 255))
        c.ellipse((30, 40, 96, 86), fill=(120, 10, 12, 200))
        c.circle(70, 56, 10, fill=(236, 196, 160, 255), outline=OUT)
        c.poly([(40, 58), (74, 64), (70, 90), (36, 80)],
               fill=(200, 50, 50, 255), outline=OUT)
    else:
        c.rrect((14, 16, 110, 110), 4, fill=(120, 170, 220, 255),
                outline=(60, 90, 130, 255), width=1.5)
        c.rect((54, 100, 70, 112), fill=(70, 76, 86, 255))  # handle
        for k, (x, y) in enumerate(((34, 38), (84, 46), (58, 76), (30, 88))):
            snowflake(c, x, y, 8 + k % 2 * 3, (240, 250, 255, 255), 2)
    if frame == 2:
        rnd = random.Random(39)
        for _ in range(22):
            x, y = rnd.uniform(4, 124), rnd.uniform(4, 124)
            c.circle(x, y, rnd.uniform(3, 9), fill=(240, 250, 255, 150))
    c.text((62, 62), "LARDER", font(SANS_BOLD, 14 * SS),
           (30, 50, 80, 255) if frame != 1 else (230, 240, 250, 255),
           anchor="mm")
    return c.image()


def crate():
    c = Canvas(48, 48)
    c.rect((6, 6, 46, 46), fill=(0, 0, 0, 80))
    c.rect((3, 3, 43, 43), fill=(190, 140, 70, 255), outline=OUT, width=1.5)
    c.rect((7, 7, 39, 39), outline=(120, 84, 36, 255), width=1.5)
    c.line([(7, 7), (39, 39)], fill=(120, 84, 36, 255), width=3)
    return c.image()


# ------------------------------------------------------------- weapons

GUN = (44, 44, 50, 255)
METAL = (170, 174, 184, 255)


def haloed(draw):
    """Weapons show on the HUD over any floor, and lie on dark streets."""
    return lambda: halo(draw())
WOOD = (130, 80, 40, 255)


@haloed
def pistol():
    c = Canvas(64, 64)
    c.rect((14, 22, 54, 31), fill=GUN, outline=OUT, width=1.5)
    c.line([(18, 24), (50, 24)], fill=(90, 90, 100, 255), width=1)
    c.poly([(16, 31), (28, 31), (26, 50), (14, 50)], fill=GUN, outline=OUT,
           width=1.5)
    c.ellipse((28, 31, 36, 39), outline=OUT, width=1.5)
    return c.image()


@haloed
def revolver():
    c = Canvas(64, 64)
    c.rect((26, 24, 60, 30), fill=METAL, outline=OUT, width=1.5)
    c.rrect((18, 20, 34, 34), 4, fill=METAL, outline=OUT, width=1.5)
    for y in (24, 29):
        c.line([(20, y), (32, y)], fill=(110, 114, 124, 255), width=1)
    c.poly([(8, 28), (20, 26), (20, 34), (14, 50), (4, 48)], fill=WOOD,
           outline=OUT, width=1.5)
    c.ellipse((22, 33, 30, 41), outline=OUT, width=1.5)
    return c.image()


@haloed
def shotgun():
    c = Canvas(64, 64)
    c.poly([(2, 30), (18, 27), (18, 35), (4, 40)], fill=WOOD, outline=OUT,
           width=1.5)
    c.rect((18, 26, 40, 34), fill=GUN, outline=OUT, width=1.5)
    c.rect((40, 27, 62, 30), fill=GUN, outline=OUT, width=1)
    c.rrect((34, 31, 54, 35), 2, fill=WOOD, outline=OUT, width=1)
    return c.image()


@haloed
def smg():
    c = Canvas(64, 64)
    c.rect((12, 24, 50, 32), fill=GUN, outline=OUT, width=1.5)
    c.rect((50, 26, 60, 29), fill=GUN, outline=OUT, width=1)
    c.rect((30, 32, 36, 52), fill=GUN, outline=OUT, width=1.5)
    c.poly([(16, 32), (24, 32), (22, 44), (14, 44)], fill=GUN, outline=OUT,
           width=1.5)
    c.line([(4, 26), (12, 26), (12, 32), (4, 34)], fill=OUT, width=2)
    return c.image()


@haloed
def micro_ar():
    c = Canvas(64, 64)
    c.poly([(2, 26), (14, 26), (14, 36), (2, 38)], fill=GUN, outline=OUT,
           width=1.5)
    c.rect((14, 25, 46, 33), fill=GUN, outline=OUT, width=1.5)
    c.rect((46, 27, 62, 30), fill=GUN, outline=OUT, width=1)
    c.rect((22, 20, 34, 25), fill=GUN, outline=OUT, width=1)  # sight
    c.poly([(30, 33), (37, 33), (40, 48), (33, 48)], fill=GUN, outline=OUT,
           width=1.5)
    c.poly([(18, 33), (24, 33), (22, 42), (16, 42)], fill=GUN, outline=OUT,
           width=1.5)
    c.line([(16, 28), (44, 28)], fill=(100, 100, 110, 255), width=1)
    return c.image()


@haloed
def nailgun():
    c = Canvas(64, 64)
    c.rrect((10, 20, 50, 32), 4, fill=(240, 160, 30, 255), outline=OUT,
            width=1.5)
    c.rect((50, 23, 60, 29), fill=METAL, outline=OUT, width=1)
    c.rrect((16, 32, 26, 52), 3, fill=(50, 50, 56, 255), outline=OUT,
            width=1.5)
    c.poly([(40, 32), (52, 32), (30, 50), (24, 50)], fill=METAL, outline=OUT,
           width=1.2)
    for k in range(4):
        c.line([(42 - k * 4, 34 + k * 4), (46 - k * 4, 34 + k * 4)],
               fill=(90, 90, 100, 255), width=1)
    return c.image()


def health_pack():
    c = Canvas(64, 64)
    c.rrect((8, 14, 56, 54), 6, fill=(246, 246, 246, 255), outline=OUT,
            width=2)
    c.rrect((24, 8, 40, 16), 3, outline=OUT, width=2)
    c.rect((27, 20, 37, 48), fill=(214, 30, 36, 255))
    c.rect((18, 29, 46, 39), fill=(214, 30, 36, 255))
    return c.image()


# ------------------------------------------------------------- menu art

def menu_emblem():
    """A spinning saw-blade emblem for the main menu."""
    c = Canvas(256, 256)
    teeth = []
    for k in range(48):
        a = math.radians(k * 7.5)
        r = 124 if k % 2 == 0 else 108
        teeth.append((128 + r * math.cos(a), 128 + r * math.sin(a)))
    c.poly(teeth, fill=(170, 176, 186, 255), outline=OUT, width=2)
    c.circle(128, 128, 96, fill=(200, 40, 40, 255), outline=OUT, width=2)
    c.circle(128, 128, 82, outline=(250, 220, 200, 255), width=3)
    c.text((128, 132), "][", font(SANS_BOLD, 96 * SS), (255, 255, 255, 255),
           anchor="mm")
    for k in range(6):
        a = math.radians(k * 60 + 30)
        c.circle(128 + 66 * math.cos(a), 128 + 66 * math.sin(a), 5,
                 fill=(120, 20, 20, 255))
    return c.image()


def menu_larder():
    c = Canvas(128, 128)
    im = larder(0).resize((112, 112), Image.LANCZOS)
    base = c.image()
    base.paste(im, (8, 8), im)
    return base


def menu_badge():
    c = Canvas(128, 128)
    pts = []
    for k in range(10):
        a = math.radians(-90 + k * 36)
        r = 60 if k % 2 == 0 else 30
        pts.append((64 + r * math.cos(a), 66 + r * math.sin(a)))
    c.poly(pts, fill=(236, 190, 50, 255), outline=OUT, width=2.5)
    c.circle(64, 66, 22, fill=(34, 56, 130, 255), outline=OUT, width=2)
    c.text((64, 67), "POLICE", font(SANS_BOLD, 9 * SS), (255, 255, 255, 255),
           anchor="mm")
    return c.image()


def credits_background():
    img = Image.new("RGBA", (512, 512))
    px = img.load()
    for y in range(512):
        for x in range(512):
            t = y / 511.0
            px[x, y] = (int(10 + 20 * t), int(16 + 24 * t), int(40 + 50 * t),
                        255)
    c = Canvas(512, 512)
    rnd = random.Random(23)
    for _ in range(40):
        snowflake(c, rnd.uniform(0, 512), rnd.uniform(0, 512),
                  rnd.uniform(4, 16), (200, 220, 255, rnd.randint(30, 80)), 2)
    c.text((256, 256), "][", font(SANS_BOLD, 300 * SS), (255, 255, 255, 18),
           anchor="mm")
    im = c.image()
    img.alpha_composite(im)
    return img


HELP_LINES = [
    ("Walk", "W A S D  or  arrow keys"),
    ("Aim", "move the mouse"),
    ("Fire", "left mouse button (hold)"),
    ("Reload", "R  or  right mouse button"),
    ("Use", "Space: pick up guns and pills,"),
    ("", "drag and drop corpses,"),
    ("", "talk to people"),
    ("Info panel", "hold I"),
    ("Help", "H"),
    ("Console", "`  (back-quote)"),
    ("Screenshot", "F2"),
    ("Back to menu", "Escape"),
]

# Survival has no corpses to drag, nobody to talk to and no info panel.
SURVIVAL_HELP_LINES = [
    ("Walk", "W A S D  or  arrow keys"),
    ("Aim", "move the mouse"),
    ("Fire", "left mouse button (hold)"),
    ("Reload", "R  or  right mouse button"),
    ("Use", "Space: pick up guns and pills"),
    ("Help", "H"),
    ("Console", "`  (back-quote)"),
    ("Screenshot", "F2"),
    ("Back to menu", "Escape"),
]


def help_screen(title="HOW TO PLAY", lines=HELP_LINES, goal="Drag every body into a larder."):
    size = 1024
    img = Image.new("RGBA", (size, size), (12, 16, 30, 255))
    c = Canvas(size, size)
    c.rrect((24, 24, 1000, 1000), 24, fill=(22, 30, 56, 255),
            outline=(150, 170, 220, 255), width=4)
    c.text((512, 92), "LARDER ][  -  " + title, font(SANS_BOLD, 58 * SS),
           (255, 220, 80, 255), anchor="mm")
    c.line([(80, 142), (944, 142)], fill=(150, 170, 220, 255), width=3)
    fk = font(SANS_BOLD, 38 * SS)
    fv = font(SANS, 38 * SS)
    y = 178
    for key, what in lines:
        # every line must stay inside the frame
        assert 380 + fv.getlength(what) / SS < 990, what
        if key:
            c.text((64, y), key, fk, (255, 255, 255, 255))
        c.text((380, y), what, fv, (200, 220, 255, 255))
        y += 58
    c.text((512, 906), goal,
           font(SANS, 36 * SS), (255, 160, 150, 255), anchor="mm")
    c.text((512, 958), "Press any key", font(SANS_BOLD, 46 * SS),
           (255, 220, 80, 255), anchor="mm")
    im = c.image()
    img.alpha_composite(im)
    return img


def survival_help_screen():
    return help_screen("SURVIVAL", SURVIVAL_HELP_LINES,
                       "Officers keep coming. Stay alive!")


# ------------------------------------------------------------- portraits

def portrait(kind):
    c = Canvas(64, 64)
    c.rect((0, 0, 64, 64), fill=(50, 60, 90, 255))
    if kind == 3:  # the narrator: an information sign
        c.circle(32, 32, 26, fill=(40, 110, 200, 255),
                 outline=(250, 250, 250, 255), width=3)
        c.text((32, 34), "i", font(SANS_BOLD, 38 * SS), (255, 255, 255, 255),
               anchor="mm")
        return c.image()
    look = {0: PLAYER, 1: CIVILIANS[0], 2: POLICE}[kind]
    c.ellipse((8, 44, 56, 80), fill=rgba(look.shirt), outline=OUT, width=1.5)
    c.ellipse((16, 12, 48, 50), fill=rgba(look.skin), outline=OUT, width=1.5)
    if look.cap:
        c.poly([(12, 20), (20, 4), (44, 4), (52, 20)], fill=(24, 36, 90, 255),
               outline=OUT, width=1.5)
        c.rect((12, 18, 52, 24), fill=(10, 10, 14, 255))
        c.circle(32, 12, 3, fill=(240, 200, 40, 255))
    else:
        c.ellipse((15, 8, 49, 28), fill=rgba(look.hair))
    for x in (25, 39):
        c.circle(x, 31, 2.6, fill=(30, 30, 40, 255))
    c.line([(26, 41), (32, 43), (38, 41)], fill=(120, 50, 50, 255), width=1.6)
    if kind == 0:
        c.rect((20, 27, 30, 33), fill=(20, 20, 24, 255))  # sunglasses
        c.rect((34, 27, 44, 33), fill=(20, 20, 24, 255))
        c.line([(30, 29), (34, 29)], fill=(20, 20, 24, 255), width=1.5)
    return c.image()


# ------------------------------------------------------------- the table

# Images the game's code uses by number carry the name of its table
# (src/world/SpriteIndex.h); tools/check_sprite_table.py checks the two agree.
I = cpp_tables.constants("world/SpriteIndex.h")
SPRITES = {
    0: lambda: person(PLAYER, 0),
    1: lambda: person(PLAYER, 1),
    2: lambda: person(PLAYER, 2),
    I["PLAYER_FIRING"]: lambda: person(PLAYER, 0, firing=True),
    4: lambda: person(PLAYER, 0, firing=True, weapon="shotgun"),
    5: lambda: person(POLICE, 0),  # spare: an officer standing still
    I["MENU_EMBLEM"]: menu_emblem,
    I["HEALTH_SLOT"]: health_slot,
    I["HEALTH_UNIT"]: health_unit,
    I["BULLET"]: bullet,
    # three splashes of blood, drawn from their own numbers as seeds
    I["BLOOD"]: lambda: blood(10), I["BLOOD"] + 1: lambda: blood(11), I["BLOOD"] + 2: lambda: blood(12),
    I["CURSOR"]: cursor,
    I["SHOTGUN"]: shotgun,
    I["SUB_MACHINE_GUN"]: smg,
    I["REVOLVER"]: revolver,
    I["CIVILIAN_CORPSE"]: lambda: corpse(Look((150, 120, 90), (90, 56, 30)), 17),
    I["TALK_BOX"]: talk_box,
    I["MENU_LARDER"]: menu_larder,
    I["MENU_BADGE"]: menu_badge,
    21: crate,
    I["MICRO_AR"]: micro_ar,
    I["CREDITS_BACKGROUND"]: credits_background,
    I["BULLET_HOLE"]: bullet_hole,
    I["CASING"]: casing,
    I["SLOWMO_CLOCK"]: clock_pill,
    I["NAIL"]: nail,
    I["NAILGUN"]: nailgun,
    I["POLICE_WALK"]: lambda: person(POLICE, 0),
    I["POLICE_WALK"] + 1: lambda: person(POLICE, 1),
    I["POLICE_WALK"] + 2: lambda: person(POLICE, 2),
    I["POLICE_FIRING"]: lambda: person(POLICE, 0, firing=True),
    I["POLICE_CORPSE"]: lambda: corpse(POLICE, 33),
    I["HEALTH_PACK"]: health_pack,
    I["PISTOL"]: pistol,
    I["KILL_ICON"]: skull,
    **{I["LARDER_STORING"] + frame: (lambda f=frame: larder(f)) for frame in range(3)},
    I["LARDER_DROP_MARKER"]: drop_marker,
    I["PEOPLE_LEFT_ICON"]: people_icon,
    I["LARDER_ICON"]: larder_icon,
    I["HELP_SCREEN"]: help_screen,
    I["LARDER_ARROW"]: arrow,
    I["SURVIVAL_HELP_SCREEN"]: survival_help_screen,
}
# civilians: five looks, three walking frames each, from 45 on
for _i, _look in enumerate(CIVILIANS):
    for _f in range(3):
        SPRITES[45 + 3 * _i + _f] = (lambda l=_look, f=_f: person(l, f))


def main():
    for n in range(len(SPRITES)):
        save(SPRITES[n](), "sprites/%d.png" % n)
    for n in range(4):
        save(portrait(n), "portraits/%d.png" % n)
    print("sprites: wrote %d sprites and 4 portraits" % len(SPRITES))


if __name__ == "__main__":
    main()
