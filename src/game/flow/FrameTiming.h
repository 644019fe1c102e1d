#pragma once
#include <SDL.h>

// The arithmetic of game time, kept apart from the loops that use it.
namespace FrameTiming {

// The most game time one frame may advance: a longer stall (a dragged
// window, a slow disk) slows the world down instead of teleporting it.
const float MAX_FRAME_SECONDS = 0.1f;

// Game seconds of a play frame that lasted frameMs real milliseconds.
inline float frameDelta(Uint32 frameMs, float deltaTimer)
{
    float delta = (float)frameMs / deltaTimer;
    return delta > MAX_FRAME_SECONDS ? MAX_FRAME_SECONDS : delta;
}

// Real seconds of a pass of the other loops, which know no slow motion.
inline float seconds(Uint32 ms)
{
    return (float)ms / 1000.0f;
}

// The frame counter is turned into frames per second once more than 999 ms
// have passed since the last count (unsigned, so a wrapped clock still works).
inline bool fpsDue(Uint32 now, Uint32 lastCheck)
{
    return (Uint32)(now - lastCheck) > 999;
}

// One slow-motion step: the timer counts real seconds (game seconds times the
// multiplier); the last two seconds run at half the slow speed again.
inline void updateSlowmo(float& slowMoTimer, float& deltaTimer, float delta, float multiplier)
{
    if (slowMoTimer > 0) {
        slowMoTimer -= delta * multiplier;
        if (slowMoTimer < 2.0f)
            deltaTimer = multiplier * 1000.0f * 2.0f;
        else
            deltaTimer = multiplier * 1000.0f;
    } else {
        deltaTimer = 1000.0f;
    }
}

} // namespace FrameTiming
