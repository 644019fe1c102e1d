#!/usr/bin/python3
"""Writes data/credits.txt, the text that scrolls after a won game and from
the main menu.  One screen line per file line; the game reads at most 199
characters of a line, so every line here is kept far shorter."""
import os

from artkit import DATA

CREDITS = """\
LARDER ][

a game by the Larder ][ team


- PROGRAMMING -

Game engine and world
Player, police and civilian behaviour
MorScript language and virtual machine
Cut-scenes and script bindings
Console and map editor


- ART -

Tiles, characters and weapons
drawn by our own generators in tools/
Map of the town block
Help screen and menu art


- SOUND AND MUSIC -

Samples and tracks from the data folder


- BUILT WITH -

SDL 1.2, SDL_image and SDL_mixer
OpenGL and GLU
DejaVu fonts
Python and Pillow (art generators)
GoogleTest and CMake
Debian GNU/Linux


- THANKS -

Everyone who tried the early builds
The authors of the free software above
The town's citizens, for their patience
...and their generous donations to the larders


No civilians were harmed in the making of this game.
They were all made of pixels.



Thank you for playing!
"""


def main():
    lines = CREDITS.split("\n")
    assert all(len(line) <= 199 for line in lines)
    with open(os.path.join(DATA, "credits.txt"), "w", newline="\n") as f:
        f.write(CREDITS)
    print("credits: wrote data/credits.txt, %d lines" % (len(lines) - 1))


if __name__ == "__main__":
    main()
