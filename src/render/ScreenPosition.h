#pragma once
// Where a world object appears on screen: an object whose top-left corner is
// at world coordinate `world`, seen from the camera point `centre` of the same
// axis, is drawn with its corner at half the screen minus the distance between
// them, the distance cut toward zero to whole pixels.

inline int screenCoord(float world, int centre, int screenSize)
{
    return screenSize / 2 - static_cast<int>(static_cast<float>(centre) - world);
}
