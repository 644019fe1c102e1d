#include "game/replay/ReplayPlatform.h"

#include <algorithm>

ReplayPlatform::ReplayPlatform(std::unique_ptr<Platform> wrapped, const Recording& recording)
    : PlatformLayer(std::move(wrapped)), rec(recording), keys(SDLK_LAST, 0), now(recording.startTicks)
{
    lastReal = inner->ticks();
    beginFrame();
}

void ReplayPlatform::beginFrame()
{
    nextEvent = 0;
    if (exhausted())
        return;
    keys.assign(SDLK_LAST, 0);
    for (Uint16 k : rec.frames[next].heldKeys)
        keys[k] = 1;
}

bool ReplayPlatform::pollEvent(SDL_Event& event)
{
    // The machine's input is ignored, except a request to quit (the close
    // button, SIGTERM), which ends the replay where it is.
    SDL_Event real;
    while (inner->pollEvent(real)) {
        if (real.type == SDL_QUIT)
            quitRequested = true;
    }
    if (exhausted()) {
        event = SDL_Event();
        event.type = SDL_QUIT;
        return true;
    }
    const RecordedFrame& f = rec.frames[next];
    if (nextEvent >= f.events.size())
        return false;
    event = f.events[nextEvent++];
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
        keys[event.key.keysym.sym] = event.type == SDL_KEYDOWN ? 1 : 0;
    return true;
}

void ReplayPlatform::swapBuffers()
{
    inner->swapBuffers();
    if (exhausted()) {
        beyond++;
        return;
    }
    Uint32 ms = rec.frames[next].ms;
    // Play at the recorded speed, never waiting longer than a frame may last.
    Uint32 spent = inner->ticks() - lastReal;
    if (spent < ms)
        inner->delay(std::min(ms - spent, Recording::MAX_FRAME_MS));
    lastReal = inner->ticks();
    now += ms;
    next++;
    beginFrame();
}
