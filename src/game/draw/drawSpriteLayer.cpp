#include "game/CGame.h"

#include "render/ScreenPosition.h"
#include "render/SpriteBatch.h"
#include "render/SpriteManager.h"
#include "game/draw/drawCorpses.h"
#include "world/AIActor.h"
#include "world/Actor.h"

namespace {
const int ACTOR_SIZE = 48;
// An actor is drawn while its corner lies right of and below this, and not
// beyond the far edges of the window.
const int ACTOR_MARGIN = -20;

void drawActor(CGame& g, Actor* a, int centreX, int centreY)
{
    int sx = screenCoord(a->x, centreX, g.scrWidth);
    int sy = screenCoord(a->y, centreY, g.scrHeight);
    if (sx > ACTOR_MARGIN && sx <= g.scrWidth && sy > ACTOR_MARGIN && sy <= g.scrHeight)
        g.devices.actorSprites->drawSprite(a->getSpriteID(), sx, sy, ACTOR_SIZE, ACTOR_SIZE,
                                   (float)a->getRotation());
}
}

// The bodies (the dragged one first, with their bleeding and on-screen state),
// then the living actors, the player included, so the living appear above
// the dead.
void CGame::drawSpriteLayer(int centreX, int centreY)
{
    drawCorpses(*this, centreX, centreY);
    for (Actor* a : world.actors)
        drawActor(*this, a, centreX, centreY);
    SpriteBatch::flush();
}

// The cast of a cut-scene, by the same rule as the actors of play.
void CGame::drawSpriteLayer(int centreX, int centreY, const OwnedList<AIActor>& cast)
{
    for (AIActor* a : cast)
        drawActor(*this, a, centreX, centreY);
    SpriteBatch::flush();
}
