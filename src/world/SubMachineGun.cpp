#include "world/SubMachineGun.h"

SubMachineGun::SubMachineGun()
{
    graphic = 15;
    sound = 0;
    range = 600;
    minDamage = 2;
    maxDamage = 40;
    refreshTime = 0.12f;
    clipSize = inClip = 30;
    inReserve = 400;
    numProjectiles = 2;
    spread = 5;
    bulletGraphic = 9;
    type = 0;
}
