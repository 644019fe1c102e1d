#include "game/CGame.h"

#include <cstdio>

#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"

// The palette strip down the left edge and the readout of the point under
// the mouse, in world pixels and in tiles.
void CGame::editorHUD()
{
    int tiles = Editor::paletteSize((int)devices.tileSprites->size());
    int rows = Editor::paletteRows(scrHeight);
    for (int i = 0; i < rows; i++) {
        int t = tools.ed.paletteScroll + i;
        if (t < tiles)
            devices.tileSprites->drawSprite(t, tools.ed.paletteX(t), Editor::TILE * i, Editor::TILE, Editor::TILE);
    }

    int wx, wy, tx, ty;
    tools.ed.screenToWorld(tools.ed.mouseX, tools.ed.mouseY, scrWidth, scrHeight, wx, wy);
    tools.ed.screenToTile(tools.ed.mouseX, tools.ed.mouseY, scrWidth, scrHeight, tx, ty);
    char readout[100];
    snprintf(readout, sizeof readout, "%i,%i (%i, %i)", wx, wy, tx, ty);
    devices.font->print(readout, Editor::readoutX(), 0);
}
