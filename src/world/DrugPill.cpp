#include "world/DrugPill.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

// A pill is never fired: it has one empty clip slot, no projectiles and no
// range of damage.
DrugPill::DrugPill()
{
    graphic = SpriteIndex::SLOWMO_CLOCK;
    sound = SampleIndex::SHOTGUN; // never played: a pill does not fire
    range = 0;
    minDamage = 1;
    maxDamage = 1;
    refreshTime = 0.95f;
    clipSize = 1;
    inClip = 0;
    inReserve = 0;
    numProjectiles = 0;
    spread = 0;
    bulletGraphic = SpriteIndex::BULLET;
    type = WEAPON_TYPE_DRUG_PILL;
    bIsPowerup = true;
}
