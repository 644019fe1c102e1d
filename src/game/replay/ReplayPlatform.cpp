#include "game/replay/ReplayPlatform.h"

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
    SDL_Event ignored;
    while (inner->pollEvent(ignored)) {
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
    // Play at the recorded speed.
    Uint32 spent = inner->ticks() - lastReal;
    if (spent < ms)
        inner->delay(ms - spent);
    lastReal = inner->ticks();
    now += ms;
    next++;
    beginFrame();
}
