#include "game/CGame.h"

#include "render/SpriteBatch.h"
#include "render/SpriteManager.h"
#include "world/Larder.h"

// Advances each larder's storing animation and draws it around the view
// centre (centreX, centreY).
void CGame::drawLarders(float centreX, float centreY)
{
    for (Larder* l : world.larders) {
        l->update(delta);
        int sx = scrWidth / 2 - (int)(centreX - l->getX());
        int sy = scrHeight / 2 - (int)(centreY - l->getY());
        devices.actorSprites->drawSprite(l->getFrame(), sx, sy, 128, 128, (float)l->getRotation());
    }
    SpriteBatch::flush();
}
