#include "world/Shotgun.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

Shotgun::Shotgun()
{
    graphic = SpriteIndex::SHOTGUN;
    sound = SampleIndex::SHOTGUN;
    range = 150;
    minDamage = 20;
    maxDamage = 60;
    refreshTime = 0.95f;
    clipSize = inClip = 8;
    inReserve = 100;
    numProjectiles = 8;
    spread = 10;
    bulletGraphic = SpriteIndex::BULLET;
    type = 2;
}
