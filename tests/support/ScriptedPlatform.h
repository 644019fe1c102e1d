#pragma once
#include <deque>
#include <functional>
#include <vector>

#include "app/SdlPlatform.h"

// A platform for tests: events come from a queue, the clock only moves when
// the game waits or finishes a frame, and every finished frame is reported
// to the test before the next one starts (the picture is still in the back
// buffer then, so the test can read its pixels). With a window, the window
// and the audio device are the real SDL ones; without, the game opens no
// window, no OpenGL context and no audio device, and needs no display.
class ScriptedPlatform : public SdlPlatform {
public:
    explicit ScriptedPlatform(bool window = true);

    void init() override;
    bool openWindow(int width, int height, bool fullscreen) override;
    void openAudio() override;
    void closeAudio() override;
    void showCursor(bool shown) override;

    Uint8* keyState() override { return keys.data(); }
    Uint32 ticks() override { return now; }
    void delay(Uint32 ms) override { now += ms; }
    void swapBuffers() override;

    // Queueing input.
    void key(SDLKey sym, bool down = true);
    void press(SDLKey sym) { key(sym, true); key(sym, false); }
    void mouseMotion(int x, int y);
    void mouseButton(int button, bool down, int x, int y);
    void quit();
    // Joystick 0: an axis moved, a button, the hat.
    void joyAxis(int axis, int value);
    void joyButton(int button, bool down);
    void joyHat(int value);
    void hold(SDLKey sym, bool down) { keys[sym] = down ? 1 : 0; }

    bool window;
    std::deque<SDL_Event> events;
    std::vector<Uint8> keys;
    Uint32 now = 1000;
    Uint32 frameMs = 20; // how long each frame takes on the fake clock
    int framesDone = 0;
    // Called after each frame with its number (1 for the first).
    std::function<void(int)> onFrame;
    // The window is open with an OpenGL context to draw into.
    bool drawing = false;

protected:
    // Queued events pass through the window's own handling (resizing, F11,
    // mouse positions mapped back to the picture) as the machine's do.
    bool nextEvent(SDL_Event& event) override;
};
