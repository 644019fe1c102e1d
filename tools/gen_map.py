#!/usr/bin/python3
"""Builds data/map0.dat, the town block the story game is played on.

The map is 80 x 80 tiles.  Each row of the file is 80 characters, the tile
number plus 65 ("A" is tile 0), followed by a newline; a first line starting
with "##" is a comment the game skips.

The town is built in layers: a hedge round the edge, a grid of streets, then
four blocks (houses and a diner in the north-west, the hospital in the
north-east, a park in the south-west, a warehouse and the police station in
the south-east), a green strip along the east and south.  Buildings are
drawn as ASCII plans with the legend below.
"""
import os

N = 80

LEGEND = {
    # floors
    ".": 0,    # asphalt
    ",": 2,    # pavement
    '"': 3,    # grass
    "=": 4,    # wooden floor
    "+": 5,    # white tiles
    "-": 6,    # road, lane marking across
    "|": 7,    # road, lane marking down
    "z": 8,    # zebra crossing
    "D": 9,    # doorway
    "c": 10,   # carpet
    ":": 11,   # dirt path
    "*": 25,   # flower bed
    "s": 26,   # sand
    "p": 27,   # parking bay
    "~": 35,   # shallow water (animated)
    "l": 39,   # hospital floor
    "u": 40,   # bathroom tiles
    "X": 41,   # red-cross mat (hospital spawn)
    # solids
    "#": 1,    # brick wall
    "C": 12,   # concrete wall
    "Y": 13,   # painted wall
    "h": 14,   # hedge
    "T": 15,   # tree
    "H": 16,   # hospital wall
    "k": 17,   # counter
    "S": 18,   # stone wall
    "B": 19,   # bookshelf
    "t": 20,   # table
    "b": 21,   # bed
    "P": 28,   # plaster wall
    "W": 29,   # wooden wall
    "x": 34,   # crates
    "O": 38,   # stone pillar
    "I": 43,   # vending machine
    # solids that bullets and sight pass
    "E": 22,   # electric fence (animated)
    "f": 30,   # picket fence, across
    "F": 31,   # picket fence, down
    "w": 32,   # window, across
    "v": 33,   # window, down
    "r": 42,   # railing, across
    "R": 44,   # railing, down
}

HOUSE_1 = '''##ww###ww###
#BB===P=b==#
v=====P====v
#==t==D=b==#
#==t==D==B=#
#=====P====#
#=====PPDDP#
#=kk==Puuuu#
#=====Puuuu#
####DD######
'''

HOUSE_2 = '''YYYwwYYYwwYYY
YBBcccYcccccY
YcccccDcctccY
vcccccDcctccv
YcccccYcccccY
YcccccYYDDYYY
YcccccccccccY
Ycccccccccccv
YkkcccccccIcY
YYYYYYDDYYYYY
'''

DINER = '''CCwwwCCCCwwwCC
CIkk+++++++IIC
C++++++++++++C
Ckkkkkk++++++C
C++++++++++++C
v++t++t++t+++v
C++++++++++++C
D++t++t++t+++C
D++++++++++++C
C++++++++++++C
C++++++++++++C
CCCCCDDCCCCCCC
'''

GARDEN = '''ffffffffffffff
F""***""T""""F
F"T"""""""sssF
F""""::::"sssF
F*"":"""":""TF
F*"":"T"":"""F
F*"":""""WWWWW
F""":""""W:::W
F"T":::::D:::W
F""""""""D:x:W
F"*******WWWWW
F"""""""""""TF
F""T""""""""""
F"""""""""""""
fffffff""fffff
'''

HOSPITAL = '''HHHwwwHHHHHHHHHHHwwwwHHHHH
HbllllllblPllllPlbllllllbH
vlllllllllPllllPlllllllllv
HbllllllblPllllPlbllllllbH
HlllllllllDllllDlllllllllH
HbllllllblDllllDlbllllllbH
vlllllllllPllllPlllllllllv
HbllllllblPllllPlbllllllbH
HlllllllllPllllPlllllllllH
HPPPPPPPPPPllllPPPPPPPPPPH
HbllllllblPlllllllllllllIH
HlllllllllDllllllllllllllH
vbllllllblDllllllllllllllv
HlllllllllPlllllllkkkkkllH
HbllllllblPlllllllllllllIH
HPPPPDDPPPPllllllllllllllH
HuuuuuuuuuPllllllllllllllH
vuuuuuuuuuPlXXXllllllllllv
HuuuuuuuuuPlXXXlllllllltlH
HuuuuuuuuuPlXXXllllllllllH
HuuuuuuuuuPllllllllllllllH
HHHHHHHHHHHHDDHHHHwwwwHHHH
'''

HOSPITAL_FRONT = '''""T"",,,,,,,,,,,,,,,,,,,,"T""
pppppppppp,,,,,,,,"""""""""""
pppppppppp,,,,,,,,""OO~~OO"""
..........,,,,,,,,""~~~~~~"""
pppppppppp,,,,,,,,""OO~~OO"""
'''

SUBSTATION = '''
EEEEEEEEEE
RxxIxxxxxR
RxxxxxxIxR
EEEEEEEEEE
'''

FOUNTAIN = '''
,,,,,,,,,,,,,
,OO~~~~~~~OO,
,~~~~~~~~~~~,
,~~~~~O~~~~~,
,~~~~~~~~~~~,
,OO~~~~~~~OO,
,,,,,,,,,,,,,
'''

PARK_TREES = [(7, 42), (18, 42), (30, 42), (34, 45), (8, 52), (33, 52),
              (15, 58), (27, 60), (7, 64), (20, 66), (31, 67), (11, 69),
              (34, 62), (24, 69)]

WAREHOUSE = '''CCCCCCCCCCCCCCCC
C,,,,,,,,,,,,,,C
C,xx,xx,,xx,xx,C
C,xx,xx,,xx,xx,C
C,,,,,,,,,,,,,,C
Crrrrrrr,,rrrrrC
C,,,,,,,,,,,,,,C
C,x,,,,,,,,,,x,C
C,x,,,,,,,,,,x,C
C,,,,,,,,,,,,,,C
C,,,,,,,,,,,,,,C
CCCCCC,,,,CCCCCC
'''

POLICE = '''SSSwwSSSSS
SBBcccccBS
vccccccccS
ScctccctcD
SccccccccD
SccccccccS
SPPPPPDDPS
S===P====S
vtt=D===Bv
S===D====S
S=t=Pt==IS
SSSSSSDDSS
'''


class Town:
    def __init__(self):
        self.g = [[3] * N for _ in range(N)]  # grass everywhere to start

    def fill(self, x0, y0, x1, y1, tile):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.g[y][x] = tile

    def stamp(self, x0, y0, plan):
        rows = plan.strip("\n").split("\n")
        width = len(rows[0])
        for dy, row in enumerate(rows):
            assert len(row) == width, "ragged plan row %r" % row
            for dx, ch in enumerate(row):
                self.g[y0 + dy][x0 + dx] = LEGEND[ch]
        return width, len(rows)

    def street_h(self, y):
        """Pavement at y and y+4, three lanes of road between them."""
        self.fill(1, y, 75, y, 2)
        self.fill(1, y + 4, 75, y + 4, 2)

    def street_v(self, x):
        self.fill(x, 1, x, 75, 2)
        self.fill(x + 4, 1, x + 4, 75, 2)


H_STREETS = [2, 36, 71]   # top pavement row of each east-west street
V_STREETS = [1, 36, 71]   # west pavement column of each north-south street


def build():
    t = Town()
    # pavements first, then the road surface over them
    for y in H_STREETS:
        t.street_h(y)
    for x in V_STREETS:
        t.street_v(x)
    t.fill(1, 1, 75, 1, 2)            # the walk along the northern hedge
    for y in H_STREETS:
        t.fill(2, y + 1, 74, y + 3, 0)
        for x in range(2, 75):
            t.g[y + 2][x] = 6
    for x in V_STREETS:
        t.fill(x + 1, 3, x + 3, 74, 0)
        for y in range(3, 75):
            t.g[y][x + 2] = 7
    # crossings: plain asphalt where roads meet, zebras just beside
    for y in H_STREETS:
        for x in V_STREETS:
            t.fill(x + 1, y + 1, x + 3, y + 3, 0)
            for k in range(1, 4):
                if y + 4 <= 75:
                    t.g[y + 4][x + k] = 8
                if x + 4 <= 75:
                    t.g[y + k][x + 4] = 8
    # north-west: two houses, the diner and a fenced garden with a shed
    t.fill(6, 7, 35, 35, 3)
    t.stamp(7, 8, HOUSE_1)
    t.stamp(22, 8, HOUSE_2)
    t.fill(11, 18, 11, 22, 11)        # garden paths from the front doors
    t.fill(28, 18, 28, 20, 11)
    t.fill(6, 20, 28, 20, 11)
    t.stamp(7, 23, DINER)
    t.fill(6, 30, 6, 30, 11)
    t.fill(12, 35, 13, 35, 11)
    t.stamp(22, 21, GARDEN)
    # north-east: the hospital and its forecourt
    t.fill(41, 7, 70, 35, 3)
    for x in (42, 50, 58, 66):
        t.g[8][x] = 15
    t.stamp(43, 9, HOSPITAL)
    t.stamp(41, 31, HOSPITAL_FRONT)
    # south-west: the park with the fountain and a fenced substation
    t.fill(6, 41, 35, 70, 3)
    t.stamp(8, 43, SUBSTATION)
    t.fill(6, 55, 35, 55, 11)         # dirt paths crossing at the fountain
    t.fill(20, 41, 20, 70, 11)
    t.stamp(14, 52, FOUNTAIN)
    t.fill(8, 61, 12, 63, 26)         # sand pit
    t.fill(22, 44, 27, 45, 25)        # flower beds
    t.fill(26, 62, 30, 63, 25)
    t.fill(7, 49, 12, 49, 14)         # hedges
    t.fill(29, 49, 34, 49, 14)
    for (x, y) in PARK_TREES:
        t.g[y][x] = 15
    # south-east: warehouse, police station and the yard between them
    t.fill(41, 41, 70, 70, 0)
    t.stamp(43, 42, WAREHOUSE)
    t.stamp(60, 42, POLICE)
    for y in (58, 64, 68):            # rows of parking bays in the yard
        t.fill(44, y, 67, y, 27)
    t.fill(43, 62, 68, 62, 42)        # railing across the yard...
    t.fill(55, 62, 56, 62, 0)         # ...with a gap in the middle
    for (x, y) in ((42, 58), (43, 58), (68, 68), (69, 68), (69, 67)):
        t.g[y][x] = 34
    t.fill(41, 41, 70, 41, 2)
    t.fill(41, 41, 41, 70, 2)
    # green strips along the east and south
    t.fill(76, 1, 78, 78, 3)
    t.fill(1, 76, 78, 78, 3)
    for k in range(4, 76, 7):
        t.g[k][77] = 15
        t.g[77][k] = 15
    t.fill(20, 76, 30, 76, 25)
    t.fill(50, 78, 60, 78, 25)
    # hedge round the whole town, open at the north-west corner where the
    # player starts (world pixel 40,40 covers tiles 0..1 x 0..1); the gap
    # runs along the top row so that the first step right is not blocked
    t.fill(0, 0, 79, 0, 14)
    t.fill(0, 79, 79, 79, 14)
    t.fill(0, 0, 0, 79, 14)
    t.fill(79, 0, 79, 79, 14)
    for x in range(8):
        t.g[0][x] = 2
    for (x, y) in ((0, 1), (1, 1)):
        t.g[y][x] = 2
    return t.g


def main():
    from artkit import DATA   # Pillow is needed only to draw, not to read the legend
    g = build()
    path = os.path.join(DATA, "map0.dat")
    with open(path, "w", newline="\n") as f:
        f.write("## map0: the town block, generated by tools/gen_map.py\n")
        for row in g:
            assert len(row) == N and all(0 <= v <= 61 for v in row)
            f.write("".join(chr(v + 65) for v in row) + "\n")
    print("map: wrote data/map0.dat")


if __name__ == "__main__":
    main()
