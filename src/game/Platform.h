#pragma once
#include <SDL.h>
#include <memory>

// Everything the game object takes from the machine: the window with its
// OpenGL context, the audio device, events, the keyboard state, the
// millisecond clock and the buffer swap. The program hands the game the SDL
// one; tests hand it a scripted one that feeds input and runs frames of a
// fixed length, with or without a window.
// The mouse wheel arrives as presses and releases of buttons 4 and 5; it is
// not a trigger and lays no tile.
inline bool isWheelButton(Uint8 button)
{
    return button == SDL_BUTTON_WHEELUP || button == SDL_BUTTON_WHEELDOWN;
}

class Platform {
public:
    virtual ~Platform() = default;

    // Start-up, in the game's order. A failure that the game cannot run
    // without prints its message and ends the process with status 1.
    virtual void init() = 0;
    // Opens the window; true when it has an OpenGL context to draw into,
    // false for a platform that opens none (the game then draws nothing).
    virtual bool openWindow(int width, int height, bool fullscreen) = 0;
    virtual void openAudio() = 0;
    virtual void closeAudio() = 0;
    virtual void showCursor(bool shown) = 0;

    virtual bool pollEvent(SDL_Event& event) = 0;
    virtual Uint8* keyState() = 0;
    virtual Uint32 ticks() = 0;
    virtual void delay(Uint32 ms) = 0;
    virtual void swapBuffers() = 0;
    // The game says whether its menu is up (input layers may map differently).
    virtual void setMenuMode(bool) {}
    // config.cfg asks for a window this many times the picture size.
    virtual void setWindowScale(int) {}
};
