#include "game/CGame.h"

#include "render/ScreenPosition.h"
#include "render/SpriteBatch.h"
#include "render/SpriteManager.h"
#include "world/Bullet.h"

namespace {
// A bullet is drawn at the size its hits are measured from.
const int BULLET_SPRITE_SIZE = (int)BULLET_PICTURE_SIZE;
// A bullet is drawn only while its corner lies in this square of screen
// space from the origin; one whose corner is left of or above the screen is
// skipped, and drawSprite culls the far side against the window.
const int BULLET_DRAW_LIMIT = 3840;
}

// Bullets in flight, each turned to its heading.
void CGame::drawShots(int centreX, int centreY)
{
    for (Bullet* b : world.shots) {
        int sx = screenCoord(b->x, centreX, scrWidth);
        int sy = screenCoord(b->y, centreY, scrHeight);
        if (sx < 0 || sx >= BULLET_DRAW_LIMIT || sy < 0 || sy >= BULLET_DRAW_LIMIT)
            continue;
        devices.actorSprites->drawSprite(b->graphic, sx, sy, BULLET_SPRITE_SIZE, BULLET_SPRITE_SIZE,
                                 (float)b->heading);
    }
    SpriteBatch::flush();
}
