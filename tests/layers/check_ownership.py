#!/usr/bin/env python3
"""Fails on a raw owning new or delete in src.

Things are owned by std::unique_ptr (made with std::make_unique) and the lists
that hold them (src/world/WorldList.h); a new-expression is allowed only as
the direct argument of a unique_ptr constructor. Deleted functions (= delete)
are not deletes.
Usage: check_ownership.py SOURCE_DIR
"""
import os
import re
import sys

COMMENT_OR_TEXT = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:\\.|[^"\\\n])*"|\'(?:\\.|[^\'\\\n])*\'', re.S)
NEW = re.compile(r"\bnew\b")
DELETE = re.compile(r"\bdelete\b")
OWNED_AT_ONCE = re.compile(r"unique_ptr<[^;]*>\s*\w*\s*\(\s*$")


def blank(match):
    # Keeps the line breaks, so that line numbers stay right.
    return re.sub(r"[^\n]", " ", match.group(0))


def problems_in(text, rel):
    found = []
    code = COMMENT_OR_TEXT.sub(blank, text)
    for number, line in enumerate(code.split("\n"), 1):
        if line.lstrip().startswith("#"):
            continue
        for m in NEW.finditer(line):
            if not OWNED_AT_ONCE.search(line[: m.start()]):
                found.append(f"{rel}:{number}: raw new; use std::make_unique")
        for m in DELETE.finditer(line):
            before = line[: m.start()].rstrip()
            if before.endswith("=") or before.endswith("operator"):
                continue
            found.append(f"{rel}:{number}: raw delete; let a unique_ptr or a world list own it")
    return found


def main():
    src = os.path.join(sys.argv[1], "src") if len(sys.argv) > 1 else "src"
    problems = []
    for root, _, names in os.walk(src):
        for name in sorted(names):
            if name.endswith((".cpp", ".h")):
                full = os.path.join(root, name)
                with open(full, encoding="utf-8", errors="replace") as f:
                    problems += problems_in(f.read(), os.path.relpath(full, src))
    for p in problems:
        print(p)
    if problems:
        print(f"{len(problems)} raw owning new/delete")
        return 1
    print("Every new thing is owned by a unique_ptr")
    return 0


if __name__ == "__main__":
    sys.exit(main())
