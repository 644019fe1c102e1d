#include "world/Pistol.h"

Pistol::Pistol()
{
    graphic = 35;
    sound = 7;
    range = 700;
    minDamage = 20;
    maxDamage = 110;
    refreshTime = 0.35f;
    clipSize = inClip = 17;
    inReserve = 60;
    numProjectiles = 1;
    spread = 2;
    bulletGraphic = 9;
    type = 4;
}
