#include "world/Pistol.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

Pistol::Pistol()
{
    graphic = SpriteIndex::PISTOL;
    sound = SampleIndex::PISTOL;
    range = 700;
    minDamage = 20;
    maxDamage = 110;
    refreshTime = 0.35f;
    clipSize = inClip = 17;
    inReserve = 60;
    numProjectiles = 1;
    spread = 2;
    bulletGraphic = SpriteIndex::BULLET;
    type = 4;
}
