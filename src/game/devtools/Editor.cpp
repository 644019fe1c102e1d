#include "game/devtools/Editor.h"

#include <algorithm>
#include <cstdio>

#include "world/Map.h"

void Editor::reset()
{
    scrollX = scrollY = 0;
    paletteScroll = 0;
    startX = startY = -1;
    curTile = 0;
    mouseX = mouseY = 0;
    curMap = 0;
}

void Editor::screenToWorld(int sx, int sy, int scrWidth, int scrHeight, int& wx, int& wy) const
{
    wx = (int)(scrollX + sx - scrWidth / 2);
    wy = (int)(scrollY + sy - scrHeight / 2);
}

void Editor::screenToTile(int sx, int sy, int scrWidth, int scrHeight, int& tx, int& ty) const
{
    int wx, wy;
    screenToWorld(sx, sy, scrWidth, scrHeight, wx, wy);
    tx = wx / TILE;
    ty = wy / TILE;
}

int Editor::paletteSize(int setSize)
{
    return std::min(setSize, LAST_STORABLE_TILE + 1);
}

void Editor::previousTile()
{
    if (curTile > 0)
        curTile--;
    if (curTile < paletteScroll)
        paletteScroll--;
}

void Editor::nextTile(int paletteSize, int paletteRows)
{
    if (curTile < paletteSize - 1)
        curTile++;
    if (curTile >= paletteScroll + paletteRows)
        paletteScroll++;
}

bool Editor::rectangleClick(int tx, int ty, Map& map)
{
    if (startX == -1) {
        startX = tx;
        startY = ty;
        return true;
    }
    for (int y = std::min(startY, ty); y <= std::max(startY, ty); y++) {
        for (int x = std::min(startX, tx); x <= std::max(startX, tx); x++) {
            printf("Flood filling\n");
            map.setTileAt(x, y, curTile);
        }
    }
    startX = startY = -1;
    return false;
}

void Editor::scrollWithKeys(const Uint8* keys, float delta)
{
    float step = delta * SCROLL_SPEED;
    if (keys[SDLK_SPACE])
        step *= 4;
    if (keys[SDLK_UP] || keys[SDLK_w])
        scrollY -= step;
    else if (keys[SDLK_DOWN] || keys[SDLK_s])
        scrollY += step;
    if (keys[SDLK_LEFT] || keys[SDLK_a])
        scrollX -= step;
    else if (keys[SDLK_RIGHT] || keys[SDLK_d])
        scrollX += step;
}
