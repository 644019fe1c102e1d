#include "game/CGame.h"

#include "world/Effect.h"
#include "world/Corpse.h"
#include "world/Larder.h"

namespace {

// Squared pixel distance from a larder's centre within which a dragged
// corpse goes in (about 130 pixels).
const int REACH_SQUARED = 17000;

}  // namespace

// Stores the dragged corpse in the first larder (in list order) within reach
// of (x, y): the corpse is gone for good, the larder animates and a marker
// rises from it.
void CGame::larderDrop(float x, float y)
{
    int ix = (int)x;
    int iy = (int)y;
    Larder* target = nullptr;
    for (Larder* l : world.larders) {
        if (l->getSquaredDistance(ix, iy) <= REACH_SQUARED) {
            target = l;
            break;
        }
    }
    if (!target)
        return;

    play.bIsLuggingCorpse = false;
    gameAssert(world.luggedCorpse != nullptr, "LarderMgr", 17);
    target->freeze(world.luggedCorpse.get());
    world.luggedCorpse.reset();

    events.post(GameEventKind::BODY_STORED, {larderMarker(target->getX(), target->getY())});
    play.inLarder += 1;
}
