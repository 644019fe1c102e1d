#pragma once
#include "game/Platform.h"

// The machine's own events, keyboard, clock and buffer swap, through SDL.
class SdlPlatform : public Platform {
public:
    bool pollEvent(SDL_Event& event) override { return SDL_PollEvent(&event) != 0; }
    Uint8* keyState() override { return SDL_GetKeyState(nullptr); }
    Uint32 ticks() override { return SDL_GetTicks(); }
    void delay(Uint32 ms) override { SDL_Delay(ms); }
    void swapBuffers() override { SDL_GL_SwapBuffers(); }
};
