#pragma once
#include <memory>

#include "game/Platform.h"

// A platform laid over another: everything passes through to the one below
// unless the layer overrides it. Input layers (gamepad, recording, replay)
// are built on it.
class PlatformLayer : public Platform {
public:
    explicit PlatformLayer(std::unique_ptr<Platform> below) : inner(std::move(below)) {}

    void init() override { inner->init(); }
    bool openWindow(int width, int height, bool fullscreen) override
    {
        return inner->openWindow(width, height, fullscreen);
    }
    void openAudio() override { inner->openAudio(); }
    void closeAudio() override { inner->closeAudio(); }
    void showCursor(bool shown) override { inner->showCursor(shown); }
    bool pollEvent(SDL_Event& event) override { return inner->pollEvent(event); }
    Uint8* keyState() override { return inner->keyState(); }
    Uint32 ticks() override { return inner->ticks(); }
    void delay(Uint32 ms) override { inner->delay(ms); }
    void swapBuffers() override { inner->swapBuffers(); }
    void setMenuMode(bool inMenu) override { inner->setMenuMode(inMenu); }
    void setWindowScale(int factor) override { inner->setWindowScale(factor); }

    // Hands the platform below back.
    std::unique_ptr<Platform> release() { return std::move(inner); }

protected:
    std::unique_ptr<Platform> inner;
};
