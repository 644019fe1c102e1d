"""Reads the game's named tables from its C++ headers, so the tools and the
game take each fact from one place.

  constants("world/SpriteIndex.h")  -> {"CURSOR": 13, ...}   (const int NAME = N, ...;)
  lists("world/TileKinds.h")        -> {"SOLID": [1, 12, ...], ...}  (const int NAME[] = {...};)

Paths are relative to src/ beside tools/.
"""
import os
import re

SRC = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src")

_STATEMENT = re.compile(r"const\s+int\s+(\w+\s*=[^;\[]*);")
_ASSIGNMENT = re.compile(r"(\w+)\s*=\s*(-?\d+)")
_LIST = re.compile(r"const\s+int\s+(\w+)\s*\[\s*\]\s*=\s*\{([^}]*)\}\s*;")


def _text(header):
    with open(os.path.join(SRC, header), encoding="utf-8") as f:
        return f.read()


def constants(header):
    found = {}
    for statement in _STATEMENT.findall(_text(header)):
        found.update((name, int(value)) for name, value in _ASSIGNMENT.findall(statement))
    return found


def lists(header):
    return {name: [int(v) for v in body.replace(",", " ").split()]
            for name, body in _LIST.findall(_text(header))}
