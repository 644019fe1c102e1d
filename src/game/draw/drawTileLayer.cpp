#include "game/CGame.h"

#include "render/SpriteBatch.h"
#include "render/SpriteManager.h"
#include "world/Map.h"

// Draws the square of tiles around a camera point given in world pixels;
// that point lands at the centre of the window.
void CGame::drawTileLayer(int centreX, int centreY)
{
    int firstRow = centreY / 48 - viewRange, endRow = centreY / 48 + viewRange;
    int firstCol = centreX / 48 - viewRange, endCol = centreX / 48 + viewRange;
    if (firstRow < 0)
        firstRow = 0;
    if (firstCol < 0)
        firstCol = 0;
    if (endRow > 80)
        endRow = 80;
    if (endCol > 80)
        endCol = 80;

    int originX = centreX - scrWidth / 2;
    int originY = centreY - scrHeight / 2;
    for (int ty = firstRow; ty < endRow; ty++) {
        for (int tx = firstCol; tx < endCol; tx++) {
            int tile = theMap->getTileAt(tx, ty);
            if (tile < 0)
                tile = 0;
            if (theMap->isAnimatedTile(tile))
                tile += theMap->getTileFrame();
            devices.tileSprites->drawSprite(tile, tx * 48 - originX, ty * 48 - originY, 48, 48);
        }
    }
    SpriteBatch::flush();
}
