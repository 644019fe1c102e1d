#pragma once
// Where a world object appears on screen: an object whose top-left corner is
// at world coordinate `world`, seen from the camera point `centre` of the same
// axis, is drawn with its corner at half the screen minus the distance between
// them, the distance cut toward zero to whole pixels.
#include <cmath>

// Screen positions are kept within this distance of the origin: far beyond
// any window, so everything that far off is culled, yet small enough that
// adding a sprite's size cannot overflow.
const int OFF_SCREEN_LIMIT = 1 << 24;

inline int screenCoord(float world, int centre, int screenSize)
{
    double coord = screenSize / 2 - std::trunc((double)(static_cast<float>(centre) - world));
    if (!(coord > -OFF_SCREEN_LIMIT))  // NaN too
        return -OFF_SCREEN_LIMIT;
    if (coord > OFF_SCREEN_LIMIT)
        return OFF_SCREEN_LIMIT;
    return static_cast<int>(coord);
}
