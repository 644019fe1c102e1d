#include "world/Nailgun.h"

Nailgun::Nailgun()
{
    graphic = 28;
    sound = 9;
    range = 350;
    minDamage = 20;
    maxDamage = 35;
    refreshTime = 0.3f;
    clipSize = inClip = 16;
    inReserve = 80;
    numProjectiles = 1;
    spread = 5;
    bulletGraphic = 27;
    type = 2;
}
