#include "world/Nailgun.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

Nailgun::Nailgun()
{
    graphic = SpriteIndex::NAILGUN;
    sound = SampleIndex::NAILGUN;
    range = 350;
    minDamage = 20;
    maxDamage = 35;
    refreshTime = 0.3f;
    clipSize = inClip = 16;
    inReserve = 80;
    numProjectiles = 1;
    spread = 5;
    bulletGraphic = SpriteIndex::NAIL;
    type = 2;
}
