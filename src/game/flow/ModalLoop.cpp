#include "game/flow/ModalLoop.h"

#include "game/Platform.h"

void ModalLoop::run(Platform& io, SDL_Event& event) const
{
    auto handleEvents = [&](EventTime now) {
        if (eventsAt != now)
            return;
        while (io.pollEvent(event)) {
            if (!onEvent(event))
                return;
        }
    };
    while (!running || running()) {
        Uint32 start = io.ticks();
        handleEvents(EVENTS_BEFORE_FRAME);
        if (!frame())
            return;
        handleEvents(EVENTS_AFTER_FRAME);
        if (delayBeforeSwap) {
            io.delay(delayMs);
            io.swapBuffers();
        } else {
            io.swapBuffers();
            io.delay(delayMs);
        }
        if (timing && !timing(io.ticks() - start))
            return;
        handleEvents(EVENTS_AFTER_SWAP);
        if (endOfPass)
            endOfPass();
    }
}
