#include "game/replay/RecordingPlatform.h"

#include <algorithm>

namespace {
std::vector<Uint16> heldKeys(const std::vector<Uint8>& keys)
{
    std::vector<Uint16> held;
    for (size_t k = 0; k < keys.size(); k++) {
        if (keys[k])
            held.push_back((Uint16)k);
    }
    return held;
}
}

RecordingPlatform::RecordingPlatform(std::unique_ptr<Platform> wrapped, Recording& out)
    : PlatformLayer(std::move(wrapped)), rec(out), keys(SDLK_LAST, 0)
{
    Uint8* real = inner->keyState();
    keys.assign(real, real + SDLK_LAST);
    now = lastReal = inner->ticks();
    rec.startTicks = now;
    frame.heldKeys = heldKeys(keys);
}

bool RecordingPlatform::pollEvent(SDL_Event& event)
{
    while (inner->pollEvent(event)) {
        if (!Recording::isRecorded(event))
            continue;
        if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
            keys[event.key.keysym.sym] = event.type == SDL_KEYDOWN ? 1 : 0;
        frame.events.push_back(event);
        return true;
    }
    return false;
}

void RecordingPlatform::swapBuffers()
{
    inner->swapBuffers();
    Uint32 real = inner->ticks();
    // A longer stall (a suspended machine, a dragged window) is kept as the
    // longest frame a recording holds; the game sees the same clock now and
    // when it is played again.
    frame.ms = std::min(real - lastReal, Recording::MAX_FRAME_MS);
    lastReal = real;
    now += frame.ms;
    rec.frames.push_back(std::move(frame));
    frame = RecordedFrame();
    frame.heldKeys = heldKeys(keys);
}
