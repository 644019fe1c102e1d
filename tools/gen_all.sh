#!/bin/sh
# Regenerates every generated file under data/: tiles, sprites, portraits,
# fonts, the map and the credits; then the desktop icons under dist/, which
# are made from the sprites and portraits.  Needs Debian's python3 with python3-pil and
# fonts-dejavu-core.  The output is the same on every run (fixed seeds).
set -e
cd "$(dirname "$0")"
PY=${PYTHON:-/usr/bin/python3}
export PYTHONDONTWRITEBYTECODE=1
"$PY" gen_tiles.py
"$PY" gen_sprites.py
"$PY" gen_fonts.py
"$PY" gen_map.py
"$PY" gen_credits.py
"$PY" gen_icons.py
