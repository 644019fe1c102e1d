#pragma once

// Map-editor state: the view, the palette and the tile being laid.
struct Editor {
    float scrollX = 0, scrollY = 0;
    int paletteScroll = 0;
    int startX = -1, startY = -1; // first corner of a pending rectangle, in tiles
    int curTile = 0;
    int mouseX = 0, mouseY = 0;
    int curMap = 0;

    Editor() { reset(); }
    void reset()
    {
        scrollX = scrollY = 0;
        paletteScroll = 0;
        startX = startY = -1;
        curTile = 0;
        mouseX = mouseY = 0;
        curMap = 0;
    }
};
