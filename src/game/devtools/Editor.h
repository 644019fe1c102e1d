#pragma once
#include <SDL.h>

class Map;

// Map-editor state: the view, the palette and the tile being laid. The rules
// that need no window (screen to tile, the palette steps, the rectangle fill,
// the scrolling keys) live here so they can be checked without one.
struct Editor {
    static constexpr int TILE = 48;       // pixels per tile side, on screen too
    static constexpr float SCROLL_SPEED = 355; // pixels per second, 4x with Space
    // A tile is stored in a map file as one signed byte, tile + 'A'; numbers
    // above this one would not read back, so the palette stops there.
    static constexpr int LAST_STORABLE_TILE = 127 - 'A';

    float scrollX = 0, scrollY = 0; // world point shown at the screen centre
    int paletteScroll = 0;          // tile shown at the top of the palette
    int startX = -1, startY = -1;   // first corner of a pending rectangle, in tiles
    int curTile = 0;                // tile that clicks lay
    int mouseX = 0, mouseY = 0;     // last mouse position, screen pixels
    int curMap = 0;                 // number of the map file being edited

    Editor() { reset(); }
    void reset();

    // The world pixel under a screen point, given the window size.
    void screenToWorld(int sx, int sy, int scrWidth, int scrHeight, int& wx, int& wy) const;
    // The tile under a screen point; division toward zero, so the 47 pixels
    // left of or above the origin still give tile 0.
    void screenToTile(int sx, int sy, int scrWidth, int scrHeight, int& tx, int& ty) const;

    // Tiles the palette offers from a tile set of setSize sprites.
    static int paletteSize(int setSize);
    // Palette slots that fit in a window scrHeight pixels high.
    static int paletteRows(int scrHeight) { return scrHeight / TILE; }
    // Left edge of a palette entry: the selected tile stands out to the right.
    int paletteX(int tile) const { return tile == curTile ? SELECTED_SHIFT : 0; }
    // The selected tile stands out this far from the strip.
    static constexpr int SELECTED_SHIFT = 20;
    // The mouse readout starts right of the palette strip, clear of it.
    static int readoutX() { return SELECTED_SHIFT + TILE + 4; }
    void previousTile();                            // Z
    void nextTile(int paletteSize, int paletteRows); // X

    // A right click at tile (tx, ty): the first one marks a corner and
    // returns true; the second fills the rectangle between the two corners,
    // both inclusive, with curTile and returns false.
    bool rectangleClick(int tx, int ty, Map& map);

    // Scrolls the view by the held keys for a frame of delta seconds.
    void scrollWithKeys(const Uint8* keys, float delta);
};
