#include "world/Shotgun.h"

Shotgun::Shotgun()
{
    graphic = 14;
    sound = 2;
    range = 150;
    minDamage = 20;
    maxDamage = 60;
    refreshTime = 0.95f;
    clipSize = inClip = 8;
    inReserve = 100;
    numProjectiles = 8;
    spread = 10;
    bulletGraphic = 9;
    type = 2;
}
