#include "world/HealthPill.h"
#include "world/SpriteIndex.h"

HealthPill::HealthPill()
{
    graphic = SpriteIndex::HEALTH_PACK;
    type = WEAPON_TYPE_HEALTH_PILL;
}
