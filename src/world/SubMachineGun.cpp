#include "world/SubMachineGun.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

SubMachineGun::SubMachineGun()
{
    graphic = SpriteIndex::SUB_MACHINE_GUN;
    sound = SampleIndex::SMG;
    range = 600;
    minDamage = 2;
    maxDamage = 40;
    refreshTime = 0.12f;
    clipSize = inClip = 30;
    inReserve = 400;
    numProjectiles = 2;
    spread = 5;
    bulletGraphic = SpriteIndex::BULLET;
    type = 0;
}
