#include "world/StaticEntity.h"

#include <cstdio>

StaticEntity::StaticEntity(StaticEntityType type)
    : radius(0), x(0), y(0), type(type)
{
}

void StaticEntity::setRadius(float r)
{
    if (r < 0) {
        fprintf(stderr, "FAIL) StaticEntity cannot have negative radius (%f)\n", r);
        return;
    }
    radius = r;
}

bool StaticEntity::withinRadius(float px, float py) const
{
    // Compared squared, so a point exactly on the rim counts without a
    // square root's rounding deciding it.
    double dx = static_cast<double>(px) - x;
    double dy = static_cast<double>(py) - y;
    return dx * dx + dy * dy <= static_cast<double>(radius) * radius;
}
