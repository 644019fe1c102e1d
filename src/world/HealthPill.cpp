#include "world/HealthPill.h"

HealthPill::HealthPill()
{
    graphic = 34;
    type = WEAPON_TYPE_HEALTH_PILL;
}
