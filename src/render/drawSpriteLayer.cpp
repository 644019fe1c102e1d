#include "app/CGame.h"

#include "render/SpriteManager.h"
#include "world/AIActor.h"
#include "world/Actor.h"

// Screen position of a world point seen from the camera point (cx, cy).
static int screenX(const CGame& g, float x, int cx) { return g.scrWidth / 2 - (int)(cx - x); }
static int screenY(const CGame& g, float y, int cy) { return g.scrHeight / 2 - (int)(cy - y); }

// Living actors, the player included, each turned to its heading.
void CGame::drawSpriteLayer(int centreX, int centreY)
{
    for (Actor* a : actors)
        actorSprites->drawSprite(a->getSpriteID(), screenX(*this, a->x, centreX),
                                 screenY(*this, a->y, centreY), 48, 48, (float)a->getRotation());
}

// The cast of a cut-scene.
void CGame::drawSpriteLayer(int centreX, int centreY, std::vector<AIActor*>& cast)
{
    for (AIActor* a : cast)
        actorSprites->drawSprite(a->getSpriteID(), screenX(*this, a->x, centreX),
                                 screenY(*this, a->y, centreY), 48, 48, (float)a->getRotation());
}
