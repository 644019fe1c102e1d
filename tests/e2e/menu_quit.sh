#!/usr/bin/env bash
# Started from a folder without data, the game finds its own data, shows the
# menu, and Up then Return (Quit) ends it with status 0.
source "$(dirname "$0")/lib.sh"
start_game "$1"
key Up Return
wait_game 20
[ "$STATUS" -eq 0 ] || fail "exit status $STATUS"
expect_lines_in_order "$OUT/stdout" \
    "Larder 2 Engine: Pre-Init" \
    "Larder 2 OpenGL Engine v1.0" \
    "===" \
    "OpenGL initialization successful." \
    "ConfLoader: Loading configuration from data/physics.dat" \
    "INFO) Initializing bitmap font load (tga:data/font.png fnt:data/font.fnt)" \
    "INFO) Initializing bitmap font load (tga:data/smallfont.png fnt:data/smallfont.fnt)" \
    "Engaging script engine." \
    "Script engine engaged." \
    "map loaded...." \
    "Passing to menu loop" \
    "Entering menu loop"
grep -q "^Loaded [1-9][0-9]* sprites$" "$OUT/stdout" || fail "no sprites loaded"
echo "menu_quit: passed"
