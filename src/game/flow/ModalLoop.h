#pragma once
#include <SDL.h>
#include <functional>

class Platform;

// One blocking loop of the game (menu, play, credits, console, editor,
// survival results, death fade): the pass's steps in a fixed order, each
// loop filling in its own. A pass runs
//
//   start = ticks; [events]; frame; [events]; swap and pause; timing; [events]; end
//
// with the pending events handled at the one place the loop names. The loop
// goes on while `running` holds (checked before each pass), until `frame`
// or `timing` returns false.
struct ModalLoop {
    enum EventTime { EVENTS_IN_FRAME, EVENTS_BEFORE_FRAME, EVENTS_AFTER_FRAME, EVENTS_AFTER_SWAP };

    std::function<bool()> running;
    // Clears, draws and acts; false ends the loop at once, before the swap.
    std::function<bool()> frame;
    // One pending event; false leaves the rest of the queue for later. With
    // EVENTS_IN_FRAME the frame polls for itself.
    std::function<bool(const SDL_Event&)> onEvent;
    EventTime eventsAt = EVENTS_IN_FRAME;
    // The pause after each frame, in ms, and whether it comes before the swap.
    Uint32 delayMs = 0;
    bool delayBeforeSwap = false;
    // The loop's time rule, given the pass's milliseconds so far; false ends the loop.
    std::function<bool(Uint32 passMs)> timing;
    std::function<void()> endOfPass;

    void run(Platform& io, SDL_Event& event) const;
};
