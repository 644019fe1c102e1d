#include "game/CGame.h"

#include "audio/SoundEffectManager.h"
#include "world/Effect.h"
#include "world/Corpse.h"
#include "world/Larder.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

namespace {

// Squared pixel distance from a larder's centre within which a dragged
// corpse goes in (about 130 pixels).
const int REACH_SQUARED = 17000;
const unsigned STORE_CHANNEL = 2;
// The marker that rises from the larder.
const float MARKER_OFFSET_X = 32.0f;
const float MARKER_RISE_SPEED = -70.0f;
const int MARKER_SIZE = 64;

}  // namespace

// Stores the dragged corpse in the first larder (in list order) within reach
// of (x, y): the corpse is gone for good, the larder animates and a marker
// rises from it.
void CGame::larderDrop(float x, float y)
{
    int ix = (int)x;
    int iy = (int)y;
    Larder* target = nullptr;
    for (Larder* l : larders) {
        if (l->getSquaredDistance(ix, iy) <= REACH_SQUARED) {
            target = l;
            break;
        }
    }
    if (!target)
        return;

    bIsLuggingCorpse = false;
    gameAssert(luggedCorpse != nullptr, "LarderMgr", 17);
    target->freeze(luggedCorpse);
    sfx->playSample(SampleIndex::LARDER, true, STORE_CHANNEL);
    delete luggedCorpse;
    luggedCorpse = nullptr;

    Effect* marker = new Effect(SpriteIndex::LARDER_DROP_MARKER, target->getX() + MARKER_OFFSET_X, target->getY(), 0,
                                MARKER_RISE_SPEED);
    marker->setWidth(MARKER_SIZE);
    marker->setHeight(MARKER_SIZE);
    effects.push_back(marker);
    inLarder += 1;
}
