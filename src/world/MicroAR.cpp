#include "world/MicroAR.h"

MicroAR::MicroAR()
{
    graphic = 22;
    sound = 3;
    range = 650;
    minDamage = 10;
    maxDamage = 120;
    refreshTime = 0.1f;
    clipSize = inClip = 15;
    inReserve = 350;
    numProjectiles = 3;
    spread = 10;
    bulletGraphic = 9;
    type = 0;
}
