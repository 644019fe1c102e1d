#include "world/Revolver.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

Revolver::Revolver()
{
    graphic = SpriteIndex::REVOLVER;
    sound = SampleIndex::REVOLVER;
    range = 1300;
    minDamage = 200;
    maxDamage = 1800;
    refreshTime = 0.6f;
    clipSize = inClip = 6;
    inReserve = 60;
    numProjectiles = 1;
    spread = 0;
    bulletGraphic = SpriteIndex::BULLET;
    type = 0;
}
