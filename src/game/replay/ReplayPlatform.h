#pragma once
#include <memory>
#include <vector>

#include "game/PlatformLayer.h"
#include "game/replay/Recording.h"

// Feeds a recording to the game in place of the machine's input and clock.
// Pictures still reach the screen through the wrapped platform, paced at the
// recorded speed; its own events are drained and ignored, except a request
// to quit. Once the recorded frames are used up, or the machine asked to
// quit, every poll answers "quit", so that each loop ends.
class ReplayPlatform : public PlatformLayer {
public:
    ReplayPlatform(std::unique_ptr<Platform> inner, const Recording& rec);

    bool pollEvent(SDL_Event& event) override;
    Uint8* keyState() override { return keys.data(); }
    Uint32 ticks() override { return now; }
    void delay(Uint32) override {}
    void swapBuffers() override;

    bool exhausted() const { return quitRequested || next >= rec.frames.size(); }
    // The machine asked to quit (window closed, SIGTERM) during the replay.
    bool stopped() const { return quitRequested; }
    size_t framesPlayed() const { return next; }
    // Frames the game drew after the recording ran out.
    size_t framesBeyond() const { return beyond; }

private:
    void beginFrame();

    const Recording& rec;
    std::vector<Uint8> keys;
    size_t next = 0;       // the frame being played
    size_t nextEvent = 0;  // its next event
    size_t beyond = 0;
    bool quitRequested = false;
    Uint32 now;
    Uint32 lastReal;
};
