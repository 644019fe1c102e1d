#include "game/CGame.h"

#include "world/Effect.h"
#include "render/SpriteBatch.h"
#include "render/SpriteManager.h"
#include "world/WorldList.h"

namespace {

// Age in seconds after which an effect vanishes.
const float EFFECT_LIFETIME = 18.75f;

}  // namespace

// Ages, moves and draws every effect once, then deletes those that have
// outlived their time; an expiring effect is still shown in its last frame.
void CGame::drawEffectLayer(int centreX, int centreY)
{
    world.effects.dropIf([&](Effect* e) {
        e->update(delta);
        int sx = scrWidth / 2 - (int)(centreX - e->getX());
        int sy = scrHeight / 2 - (int)(centreY - e->getY());
        devices.actorSprites->drawSprite(e->getGraphic(), sx, sy, e->getWidth(), e->getHeight(),
                                 (float)e->getRotation());
        return e->getTimer() > EFFECT_LIFETIME;
    });
    SpriteBatch::flush();
}
