#include "world/DrugPill.h"

// A pill is never fired: it has one empty clip slot, no projectiles and no
// range of damage.
DrugPill::DrugPill()
{
    graphic = 26;
    sound = 2;
    range = 0;
    minDamage = 1;
    maxDamage = 1;
    refreshTime = 0.95f;
    clipSize = 1;
    inClip = 0;
    inReserve = 0;
    numProjectiles = 0;
    spread = 0;
    bulletGraphic = 9;
    type = WEAPON_TYPE_DRUG_PILL;
    bIsPowerup = true;
}
