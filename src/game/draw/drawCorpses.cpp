#include "game/draw/drawCorpses.h"

#include "game/CGame.h"
#include "render/SpriteManager.h"
#include "world/Actor.h"
#include "world/Corpse.h"

namespace {

const int CORPSE_SIZE = 64;
// How far ahead of the player a dragged corpse is shown.
const float DRAG_DISTANCE = 35.0f;
// Splashes in one spray, and where they centre relative to the body's corner.
const int BLEED_AMOUNT = 5;
const float BLEED_OFFSET = 32.0f;
// A corpse whose corner lies farther left or above than this is off screen.
const int OFF_SCREEN_MARGIN = -19;

}  // namespace

void drawCorpses(CGame& game, int centreX, int centreY)
{
    const int halfW = game.scrWidth / 2;
    const int halfH = game.scrHeight / 2;

    // The dragged corpse hangs ahead of the player, turned with it, and
    // bleeds where the player walks, in survival mode too.
    if (game.play.bIsLuggingCorpse) {
        game.gameAssert(game.world.luggedCorpse != nullptr && game.world.player != nullptr,
                        "drawSpriteLayer", 30);
        Corpse* c = game.world.luggedCorpse.get();
        Actor* p = game.world.player;
        int sx = halfW - (int)(centreX - p->getNewX(DRAG_DISTANCE));
        int sy = halfH - (int)(centreY - p->getNewY(DRAG_DISTANCE));
        game.devices.actorSprites->drawSprite(c->getSpriteID(), sx, sy, CORPSE_SIZE, CORPSE_SIZE,
                                      (float)p->getRotation());
        c->setActive(true);
        c->updateTimer(game.delta);
        if (c->shouldBleed())
            game.spawnBlood(BLEED_AMOUNT, p->x + BLEED_OFFSET, p->y + BLEED_OFFSET);
    }

    // Corpses on the map bleed while they were on screen last frame; those
    // now off screen become inactive: they neither bleed nor can be lifted.
    for (Corpse* c : game.world.corpses) {
        c->updateTimer(game.delta);
        if (c->shouldBleed() && !game.play.survival.active)
            game.spawnBlood(BLEED_AMOUNT, c->x + BLEED_OFFSET, c->y + BLEED_OFFSET);
        int sx = halfW - (int)(centreX - c->x);
        int sy = halfH - (int)(centreY - c->y);
        if (sx > game.scrWidth || sx < OFF_SCREEN_MARGIN || sy > game.scrHeight ||
            sy < OFF_SCREEN_MARGIN) {
            c->setActive(false);
            continue;
        }
        game.devices.actorSprites->drawSprite(c->getSpriteID(), sx, sy, CORPSE_SIZE, CORPSE_SIZE,
                                      (float)c->getRotation());
        c->setActive(true);
    }
}
