#include "world/Revolver.h"

Revolver::Revolver()
{
    graphic = 16;
    sound = 1;
    range = 1300;
    minDamage = 200;
    maxDamage = 1800;
    refreshTime = 0.6f;
    clipSize = inClip = 6;
    inReserve = 60;
    numProjectiles = 1;
    spread = 0;
    bulletGraphic = 9;
    type = 0;
}
