#pragma once
// Long moves are taken in parts no longer than a quarter tile, each tested
// against walls and actors, so that no frame, however long, carries a body or
// a bullet through a solid tile. At normal frame rates a move is one part.
#include <cmath>

const float MAX_MOTION_STEP = 12.0f;

// Parts into which a move of `distance` pixels is split (at least one).
inline int motionParts(float distance)
{
    int parts = (int)std::ceil(std::fabs(distance) / MAX_MOTION_STEP);
    return parts < 1 ? 1 : parts;
}
