#include "game/CGame.h"

#include "world/Actor.h"
#include "world/Larder.h"
#include "world/Map.h"

namespace {
// The body tested against tiles, a box from the given corner.
const float BODY_SPAN = Actor::WALL_PROBE_SIDE;
// The box tested against larders, a full sprite square.
const float LARDER_PROBE = 48.0f;
}

// True when a body with its top-left corner at (nx, ny) may not stand there:
// off the top or left of the world, any corner of its 40 x 40 box in a solid
// tile, or its 48 x 48 box on a larder.
bool CGame::playerCollision(float nx, float ny)
{
    if (nx < 0 || ny < 0)
        return true;
    if (theMap->isSolid(nx, ny) || theMap->isSolid(nx + BODY_SPAN, ny) ||
        theMap->isSolid(nx, ny + BODY_SPAN) || theMap->isSolid(nx + BODY_SPAN, ny + BODY_SPAN))
        return true;
    for (Larder* l : world.larders) {
        if (l->collides(nx, ny, LARDER_PROBE, LARDER_PROBE))
            return true;
    }
    return false;
}
