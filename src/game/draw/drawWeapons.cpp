#include "game/CGame.h"

#include "render/ScreenPosition.h"
#include "render/SpriteBatch.h"
#include "render/SpriteManager.h"
#include "world/Weapon.h"

namespace {
const int ITEM_SIZE = 32;
}

// Items lying on the map, each turned to its own rotation.
void CGame::drawWeapons(int centreX, int centreY)
{
    for (Weapon* w : world.items) {
        devices.actorSprites->drawSprite(w->graphic, screenCoord(w->x, centreX, scrWidth),
                                 screenCoord(w->y, centreY, scrHeight), ITEM_SIZE, ITEM_SIZE,
                                 (float)w->rotation);
    }
    SpriteBatch::flush();
}
