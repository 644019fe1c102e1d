#pragma once
#include <SDL.h>
#include <memory>

// Everything the game object takes from the machine while it runs: events,
// the keyboard state, the millisecond clock and the buffer swap. The game
// uses the SDL one; tests hand the game a scripted one to feed input and to
// run frames of a fixed length. The program hands the game the SDL one.
class Platform {
public:
    virtual ~Platform() = default;
    virtual bool pollEvent(SDL_Event& event) = 0;
    virtual Uint8* keyState() = 0;
    virtual Uint32 ticks() = 0;
    virtual void delay(Uint32 ms) = 0;
    virtual void swapBuffers() = 0;
    // The game says whether its menu is up (input layers may map differently).
    virtual void setMenuMode(bool) {}
};
