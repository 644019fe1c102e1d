#pragma once
// The arithmetic of the player's walking, apart from the game object: how far
// one frame moves him, which way he faces while dragging a corpse, and how a
// move is tried one axis at a time so that he slides along walls.
#include <functional>

#include "world/MotionSteps.h"

namespace PlayerMotion {

// Direction held on one axis: -1 toward negative, +1 toward positive, 0 none.
// The negative key (Up, Left) wins when both are held.
inline int axis(bool negativeHeld, bool positiveHeld)
{
    return negativeHeld ? -1 : (positiveHeld ? 1 : 0);
}

// Pixels to move on each held axis this frame. Dragging a corpse divides the
// speed by 2.6 times the corpse friction; slow motion (when not dragging)
// speeds the player up by 1.6 to make up for the slowed clock.
inline float stepLength(float speed, float delta, bool dragging, float friction, bool slowMotion)
{
    float step = speed * delta;
    if (dragging)
        step /= (friction * 2.6f);
    else if (slowMotion)
        step *= 1.6f;
    return step;
}

// Heading goal of a player dragging a corpse: opposite to the direction he
// walks (0 toward +x, 90 toward -y), so he backs away pulling the body.
// Without a held direction the previous goal stays.
inline float dragGoal(int vertical, int horizontal, float previous)
{
    if (vertical < 0)
        return horizontal < 0 ? 315.0f : (horizontal > 0 ? 225.0f : 270.0f);
    if (vertical > 0)
        return horizontal < 0 ? 45.0f : (horizontal > 0 ? 135.0f : 90.0f);
    if (horizontal < 0)
        return 0.0f;
    if (horizontal > 0)
        return 180.0f;
    return previous;
}

// Moves the body at (x, y) by `step` along each held axis, vertical first,
// taking each axis only when `blocked` finds the new corner free. Because the
// axes are tried apart, a diagonal move into a wall keeps the free axis.
// A step longer than a quarter tile is taken in equal parts, each tested.
inline void slide(float& x, float& y, int horizontal, int vertical, float step,
                  const std::function<bool(float, float)>& blocked)
{
    int parts = motionParts(step);
    float part = parts == 1 ? step : step / (float)parts;
    for (int i = 0; i < parts; i++) {
        if (vertical != 0) {
            float ny = vertical < 0 ? y - part : y + part;
            if (!blocked(x, ny))
                y = ny;
        }
        if (horizontal != 0) {
            float nx = horizontal < 0 ? x - part : x + part;
            if (!blocked(nx, y))
                x = nx;
        }
    }
}

} // namespace PlayerMotion
