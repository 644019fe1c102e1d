#!/usr/bin/env python3
"""Checks the floors of the source tree.

A file may include headers from its own floor and the floors below it, and a
library may link only libraries of lower floors. Only the game object's own
floor and the program include the game object's header. The simulation
(src/game/sim) includes no sound and no drawing headers: it posts events that
the senses consume.
Usage: check_layers.py SOURCE_DIR
"""
import os
import re
import sys

# Lowest first; a folder of src/ and the library built from it.
FLOORS = ["morscript", "data", "audio", "world", "render", "script", "game", "app"]
LIBRARY = {"morscript": "morscript", **{f: "larder_" + f for f in FLOORS[1:]}}
GAME_HEADER_FLOORS = {"game", "app"}

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
ANY_INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^">]+)[">]', re.M)
# Headers the simulation must not include: sound, drawing, OpenGL.
SENSES = re.compile(r"^(audio/|render/|game/draw/|GL/|SDL_mixer|SDL_opengl)")
LINK = re.compile(r"target_link_libraries\(\s*(\S+)([^)]*)\)", re.S)


def floor_of(path):
    first = path.split("/", 1)[0]
    return first if first in FLOORS else None


def include_problems(src):
    problems = []
    for root, _, names in os.walk(src):
        for name in sorted(names):
            if not name.endswith((".cpp", ".h")):
                continue
            full = os.path.join(root, name)
            rel = os.path.relpath(full, src)
            own = floor_of(rel)
            if own is None:
                continue
            with open(full, encoding="utf-8", errors="replace") as f:
                text = f.read()
            for inc in INCLUDE.findall(text):
                target = floor_of(inc)
                if target is None:
                    continue
                if os.path.basename(inc) == "CGame.h" and own not in GAME_HEADER_FLOORS:
                    problems.append(f"{rel}: includes the game object's header {inc}")
                elif FLOORS.index(target) > FLOORS.index(own):
                    problems.append(f"{rel}: floor '{own}' includes {inc} from the higher floor '{target}'")
    return problems


def simulation_problems(src):
    problems = []
    sim = os.path.join(src, "game", "sim")
    for root, _, names in os.walk(sim):
        for name in sorted(names):
            if not name.endswith((".cpp", ".h")):
                continue
            full = os.path.join(root, name)
            with open(full, encoding="utf-8", errors="replace") as f:
                text = f.read()
            for inc in ANY_INCLUDE.findall(text):
                if SENSES.match(inc):
                    problems.append(f"{os.path.relpath(full, src)}: the simulation includes {inc}; "
                                    "post an event for the senses instead")
    return problems


def link_problems(src):
    problems = []
    rank = {lib: FLOORS.index(f) for f, lib in LIBRARY.items()}
    for root, _, names in os.walk(src):
        if "CMakeLists.txt" not in names:
            continue
        path = os.path.join(root, "CMakeLists.txt")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for target, rest in LINK.findall(text):
            if target not in rank:
                continue
            for dep in rest.split():
                if dep in rank and rank[dep] >= rank[target]:
                    problems.append(f"{os.path.relpath(path, src)}: {target} links {dep}, "
                                    "which is not on a lower floor")
    return problems


def main():
    src = os.path.join(sys.argv[1], "src") if len(sys.argv) > 1 else "src"
    problems = include_problems(src) + simulation_problems(src) + link_problems(src)
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} layering problem(s)")
        return 1
    print("Floors hold: no upward include or link, no sound or drawing in the simulation")
    return 0


if __name__ == "__main__":
    sys.exit(main())
