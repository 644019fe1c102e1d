#include "world/MicroAR.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

MicroAR::MicroAR()
{
    graphic = SpriteIndex::MICRO_AR;
    sound = SampleIndex::MICRO_AR;
    range = 650;
    minDamage = 10;
    maxDamage = 120;
    refreshTime = 0.1f;
    clipSize = inClip = 15;
    inReserve = 350;
    numProjectiles = 3;
    spread = 10;
    bulletGraphic = SpriteIndex::BULLET;
    type = 0;
}
