#!/usr/bin/env python3
"""Checks the story level's placements against data/map0.dat.

Every character, item, larder and spawn point must stand on open floor, be
reachable on foot from the player's start, and keep off the larders (no body
may step onto a larder). Every doorway must lead somewhere (open floor on
both sides) and let a player walking straight at it through without
stopping while his centre is up to 12 px off the doorway's centre line. Area messages and lines of dialogue must fit the
conversation box (smallfont, three lines of 248 pixels: longer texts are
paged, but an area message restarts at its first page on every step). Prints one line per
problem and exits with status 1 when there is any.

Usage: tools/check_level.py [data folder]   (default: data/ beside tools/)
"""
import glob
import os
import re
import sys
from collections import deque

import cpp_tables
from gen_map import LEGEND

TILE = 48
SIZE = 80
SOLID = set(cpp_tables.lists("world/TileKinds.h")["SOLID"])  # the game's own table
START = (40, 40)
BODY = 48          # an actor's box
ITEM = 32          # a lying item's box
LARDER = 128       # a larder's box
TALK = cpp_tables.constants("render/HudMath.h")   # the conversation box's text room
BOX_WIDTH = TALK["TALK_TEXT_WIDTH"]
STEP = 4           # grid of the reachability search, pixels
DOORWAY = LEGEND["D"]
DOOR_SLACK = 12    # how far off a doorway's centre line a player may walk
CENTRES = (20, 24) # the body box's centre and the sprite's, from the corner

problems = []


def load_map(path):
    rows = [l.rstrip("\n") for l in open(path, encoding="latin-1") if not l.startswith("##")]
    return [[ord(c) - 65 for c in row[:SIZE]] for row in rows[:SIZE]]


def solid_at(grid, px, py):
    if px < 0 or py < 0 or px >= SIZE * TILE or py >= SIZE * TILE:
        return True
    return grid[int(py) // TILE][int(px) // TILE] in SOLID


def box_on_floor(grid, x, y, size):
    """No tile touched by the box [x, x+size) x [y, y+size) is solid."""
    for ty in range(int(y) // TILE, (int(y) + size - 1) // TILE + 1):
        for tx in range(int(x) // TILE, (int(x) + size - 1) // TILE + 1):
            if solid_at(grid, tx * TILE, ty * TILE):
                return False
    return True


def body_blocked(grid, x, y):
    """The game's walking test: any corner of the 40 x 40 body in a solid tile."""
    if x < 0 or y < 0:
        return True
    return any(solid_at(grid, x + dx, y + dy) for dx in (0, 40) for dy in (0, 40))


def boxes_overlap(ax, ay, asz, bx, by, bsz):
    return ax <= bx + bsz and bx <= ax + asz and ay <= by + bsz and by <= ay + asz


def body_free(grid, larders, x, y):
    """The game's test for a body standing with its corner at (x, y)."""
    if body_blocked(grid, x, y):
        return False
    return not any(boxes_overlap(x, y, BODY, lx, ly, LARDER) for lx, ly in larders)


def reachable_cells(grid, larders):
    def free(x, y):
        return body_free(grid, larders, x, y)
    seen = set()
    start = (START[0] // STEP, START[1] // STEP)
    queue = deque([start])
    seen.add(start)
    while queue:
        cx, cy = queue.popleft()
        for nx, ny in ((cx + 1, cy), (cx - 1, cy), (cx, cy + 1), (cx, cy - 1)):
            if (nx, ny) not in seen and free(nx * STEP, ny * STEP):
                seen.add((nx, ny))
                queue.append((nx, ny))
    return seen


def door_runs(grid):
    """Each doorway: the tiles of a connected run of doorway tiles."""
    seen, runs = set(), []
    for y in range(SIZE):
        for x in range(SIZE):
            if grid[y][x] != DOORWAY or (x, y) in seen:
                continue
            run, todo = [], [(x, y)]
            seen.add((x, y))
            while todo:
                cx, cy = todo.pop()
                run.append((cx, cy))
                for n in ((cx + 1, cy), (cx - 1, cy), (cx, cy + 1), (cx, cy - 1)):
                    if 0 <= n[0] < SIZE and 0 <= n[1] < SIZE and grid[n[1]][n[0]] == DOORWAY and n not in seen:
                        seen.add(n)
                        todo.append(n)
            runs.append(run)
    return runs


def check_door(grid, run, free):
    """A doorway in a wall: open floor on both sides, and a straight walk
    through it from the tile before to the tile after at every offset up to
    DOOR_SLACK from its centre line never stops."""
    xs, ys = [x for x, y in run], [y for x, y in run]
    x0, x1, y0, y1 = min(xs), max(xs), min(ys), max(ys)
    where = f"doorway at tile ({x0},{y0})" + (f"-({x1},{y1})" if run[1:] else "")
    def wall(tx, ty):
        return solid_at(grid, tx * TILE, ty * TILE)
    if wall(x0 - 1, y0) and wall(x1 + 1, y0):      # a wall across: walk down
        sides = [(x, y) for x in range(x0, x1 + 1) for y in (y0 - 1, y1 + 1)]
        along, lo, hi = (x0 + x1 + 1) * TILE // 2, (y0 - 1) * TILE, (y1 + 1) * TILE + 7
        at = lambda a, b: (a, b)
    elif wall(x0, y0 - 1) and wall(x0, y1 + 1):    # a wall down: walk across
        sides = [(x, y) for y in range(y0, y1 + 1) for x in (x0 - 1, x1 + 1)]
        along, lo, hi = (y0 + y1 + 1) * TILE // 2, (x0 - 1) * TILE, (x1 + 1) * TILE + 7
        at = lambda a, b: (b, a)
    else:
        problems.append(f"{where} is not set in a wall")
        return
    for tx, ty in sides:
        if wall(tx, ty):
            problems.append(f"{where} opens onto a solid tile at ({tx},{ty})")
            return
    for centre in CENTRES:
        for off in range(-DOOR_SLACK, DOOR_SLACK + 1):
            a = along + off - centre
            stop = next((b for b in range(lo, hi + 1) if not free(*at(a, b))), None)
            if stop is not None:
                problems.append(f"{where}: a player {off:+d} px off its centre line stops at {at(a, stop)}")
                return


def glyph_advances(fnt_path):
    """Each glyph's advance, and how many lines fit the box's text height
    (the game's count: the last line's lowest glyph must end inside)."""
    adv, lowest, line_height = {}, 0, 1
    for line in open(fnt_path):
        m = re.match(r"char id=(\d+) .*height=(\d+) .*yoffset=(-?\d+) xadvance=(-?\d+)", line)
        if m:
            adv[chr(int(m.group(1)))] = int(m.group(4))
            if int(m.group(2)) > 0:
                lowest = max(lowest, int(m.group(3)) + int(m.group(2)))
        m = re.match(r"common lineHeight=(\d+)", line)
        if m:
            line_height = int(m.group(1))
    return adv, max(1, (TALK["TALK_TEXT_HEIGHT"] - lowest) // line_height + 1)


def check_text(what, text, font):
    adv, box_lines = font
    lines = text.split("\\")
    if len(lines) > box_lines:
        problems.append(f"{what}: {len(lines)} lines, the box holds {box_lines}")
    for line in lines:
        width = sum(adv.get(c, 0) for c in line.rstrip(" "))
        if width > BOX_WIDTH:
            problems.append(f"{what}: line '{line}' is {width} px wide (max {BOX_WIDTH})")


def read_entities(path):
    """(keyword, a, b, c, rest) per record, by the game's reading rules."""
    records = []
    for line in open(path):
        fields = [f for f in line.rstrip("\r\n").split(" ") if f]
        if not fields:
            break
        if fields[0] == "#":
            continue
        if len(fields) < 4:
            problems.append(f"entities: short line '{line.strip()}'")
            continue
        records.append((fields[0], int(fields[1]), int(fields[2]), int(fields[3]), fields[4:]))
    return records


def read_def(path):
    values = {}
    for line in open(path):
        key, eq, value = line.rstrip("\n").partition("=")
        if eq and key not in values:
            values[key] = value
    return values


def main():
    data = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data")
    grid = load_map(os.path.join(data, "map0.dat"))
    adv = glyph_advances(os.path.join(data, "smallfont.fnt"))
    records = read_entities(os.path.join(data, "entities.txt"))
    larders = [(a, b) for k, a, b, c, rest in records if k == "larder"]
    reach = reachable_cells(grid, larders)

    def reachable(x, y, size):
        # Some standing spot of the player overlaps the thing's box.
        for gx in range((int(x) - BODY) // STEP, (int(x) + size) // STEP + 1):
            for gy in range((int(y) - BODY) // STEP, (int(y) + size) // STEP + 1):
                if (gx, gy) in reach and boxes_overlap(gx * STEP, gy * STEP, BODY, x, y, size):
                    return True
        return False

    def larder_in_reach(x, y):
        # The player stores a body within a squared distance of 17000 of
        # the larder's centre, measured from his top-left corner.
        cx, cy = x + LARDER // 2, y + LARDER // 2
        return any((gx * STEP - cx) ** 2 + (gy * STEP - cy) ** 2 <= 17000 for gx, gy in reach)

    def place(what, x, y, size):
        if not box_on_floor(grid, x, y, size):
            problems.append(f"{what} at ({x},{y}): its {size}-px box overlaps a solid tile")
        for lx, ly in larders:
            if (what != "larder" or (lx, ly) != (x, y)) and boxes_overlap(x, y, size, lx, ly, LARDER):
                problems.append(f"{what} at ({x},{y}) overlaps the larder at ({lx},{ly})")
        in_reach = larder_in_reach(x, y) if what == "larder" else reachable(x, y, size)
        if not in_reach:
            problems.append(f"{what} at ({x},{y}) cannot be reached from the start")

    counts = {}
    for k, a, b, c, rest in records:
        counts[k] = counts.get(k, 0) + 1
        if k == "larder":
            place("larder", a, b, LARDER)
        elif k in ("pistol", "revolver", "shotgun", "smg", "nailgun", "ar", "pill", "health"):
            place(k, a, b, ITEM)
        elif k in ("hospitalspawn", "jailspawn", "spawn"):
            place(k, a, b, BODY)
        elif k == "areamessage":
            if solid_at(grid, a, b):
                problems.append(f"areamessage at ({a},{b}): its point lies in a solid tile")
            check_text(f"areamessage at ({a},{b})", " ".join(rest), adv)
    cast = {"civilians": 0, "officers": 0}
    for path in sorted(glob.glob(os.path.join(data, "actors", "*.def")), key=lambda p: int(os.path.basename(p)[:-4])):
        d = read_def(path)
        name = os.path.basename(path)
        x, y = int(d.get("x", 0)), int(d.get("y", 0))
        place(f"actor {name}", x, y, BODY)
        if d.get("isCop", "0") != "0":
            cast["officers"] += 1
        else:
            cast["civilians"] += 1
            check_text(f"dialogue of {name}", d.get("dialogue", ""), adv)
    doors = door_runs(grid)
    for run in doors:
        check_door(grid, run, lambda x, y: body_free(grid, larders, x, y))
    for p in problems:
        print(p)
    print(f"{len(doors)} doorways; {cast['civilians']} civilians, {cast['officers']} officers; entities: "
          + ", ".join(f"{k} {n}" for k, n in sorted(counts.items())))
    print("level OK" if not problems else f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
