#!/usr/bin/env python3
"""Checks that the sprite generator and the game agree on the sprite numbers.

The game names the images its code uses in src/world/SpriteIndex.h;
tools/gen_sprites.py keys its SPRITES table with those names. Fails (status 1,
one line per problem) when a name of the game's table is missing from the
generator, when the generator names an image the game does not know, or when
two entries of the generator fall on the same number. A NAME_KINDS constant
is a count: NAME to NAME + count - 1 must all be drawn.
Reads gen_sprites.py as text, so it needs no imaging library.

Usage: tools/check_sprite_table.py
"""
import ast
import os
import sys

import cpp_tables

HERE = os.path.dirname(os.path.abspath(__file__))


def sprite_keys(tree, table):
    """(number, name or None) of every key of the SPRITES literal, with the
    keys of a ** {I[NAME] + k: ... for k in range(N)} part spelt out."""
    problems = []

    def value(node, env):
        if isinstance(node, ast.Constant) and isinstance(node.value, int):
            return node.value, None
        if isinstance(node, ast.Name) and node.id in env:
            return env[node.id], None
        if (isinstance(node, ast.Subscript) and isinstance(node.value, ast.Name)
                and node.value.id == "I" and isinstance(node.slice, ast.Constant)):
            name = node.slice.value
            if name not in table:
                problems.append(f"gen_sprites.py names {name}, which SpriteIndex.h lacks")
                return None, name
            return table[name], name
        if isinstance(node, ast.BinOp) and isinstance(node.op, ast.Add):
            base, name = value(node.left, env)
            offset, _ = value(node.right, env)
            return (None if base is None or offset is None else base + offset), name
        problems.append(f"gen_sprites.py line {node.lineno}: a key that is neither a number nor I[...]")
        return None, None

    def spelt_out(comp):
        gen = comp.generators[0] if len(comp.generators) == 1 else None
        if (gen and isinstance(gen.target, ast.Name) and isinstance(gen.iter, ast.Call)
                and isinstance(gen.iter.func, ast.Name) and gen.iter.func.id == "range"
                and len(gen.iter.args) == 1):
            count, _ = value(gen.iter.args[0], {})
            if count is not None:
                return [value(comp.key, {gen.target.id: k}) for k in range(count)]
        problems.append(f"gen_sprites.py line {comp.lineno}: a ** part that is not over range(N)")
        return []

    for node in ast.walk(tree):
        if (isinstance(node, ast.Assign) and len(node.targets) == 1
                and isinstance(node.targets[0], ast.Name) and node.targets[0].id == "SPRITES"
                and isinstance(node.value, ast.Dict)):
            keys = []
            for k, v in zip(node.value.keys, node.value.values):
                keys += spelt_out(v) if k is None and isinstance(v, ast.DictComp) else [value(k, {})]
            return keys, problems
    return [], problems + ["gen_sprites.py has no SPRITES table"]


def main():
    table = cpp_tables.constants("world/SpriteIndex.h")
    with open(os.path.join(HERE, "gen_sprites.py"), encoding="utf-8") as f:
        tree = ast.parse(f.read())
    keys, problems = sprite_keys(tree, table)

    seen = {}
    for number, name in keys:
        if number is None:
            continue
        if number in seen:
            problems.append(f"sprite {number} is drawn twice ({seen[number] or number}, {name or number})")
        seen[number] = name
    named = {name for _, name in keys if name}
    for name, number in sorted(table.items(), key=lambda item: item[1]):
        if name.endswith("_KINDS"):
            first = name[:-len("_KINDS")]
            for n in range(table.get(first, 0), table.get(first, 0) + number):
                if n not in seen:
                    problems.append(f"{first}: sprite {n} of {number} is not drawn")
        elif name not in named:
            problems.append(f"SpriteIndex::{name} ({number}) is not drawn by gen_sprites.py under its name")

    for p in problems:
        print(p)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
