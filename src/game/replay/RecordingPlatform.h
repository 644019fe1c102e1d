#pragma once
#include <memory>
#include <vector>

#include "game/PlatformLayer.h"
#include "game/replay/Recording.h"

// Passes the machine's input through to the game and writes down every frame
// of it. While recording, the game sees a clock that moves only when a frame
// ends and a keyboard state made from the key events it took, so that the
// same frames fed back give the same game.
class RecordingPlatform : public PlatformLayer {
public:
    RecordingPlatform(std::unique_ptr<Platform> inner, Recording& out);

    bool pollEvent(SDL_Event& event) override;
    Uint8* keyState() override { return keys.data(); }
    Uint32 ticks() override { return now; }
    void swapBuffers() override;

private:
    Recording& rec;
    std::vector<Uint8> keys;
    RecordedFrame frame;
    Uint32 now;
    Uint32 lastReal;
};
