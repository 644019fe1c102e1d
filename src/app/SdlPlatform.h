#pragma once
#include "app/Letterbox.h"
#include "game/Platform.h"

// The machine's own window, audio device, events, keyboard, clock and buffer
// swap, through SDL. The picture keeps its composed size whatever the window:
// the window may open at a whole multiple of it, the user may resize it and
// F11 switches full screen on and off; the picture is scaled to fit with bars
// to keep its shape, and mouse positions are given back in picture pixels.
class SdlPlatform : public Platform {
public:
    void init() override;
    bool openWindow(int width, int height, bool fullscreen) override;
    void openAudio() override;
    void closeAudio() override;
    void showCursor(bool shown) override;

    bool pollEvent(SDL_Event& event) override;
#ifdef __EMSCRIPTEN__
    // The page's SDL headers give the 1.2 call its later name.
    Uint8* keyState() override { return const_cast<Uint8*>(SDL_GetKeyboardState(nullptr)); }
#else
    Uint8* keyState() override { return SDL_GetKeyState(nullptr); }
#endif
    Uint32 ticks() override { return SDL_GetTicks(); }
    void delay(Uint32 ms) override { SDL_Delay(ms); }
    void swapBuffers() override;
    // config.cfg's scale, unless the command line chose one already.
    void setWindowScale(int factor) override;

    // Times the picture size at which the window opens, 1 to 4; 0 until
    // chosen (then 1).
    int scale = 0;

protected:
    // The next event from the machine, before the window's own are taken out.
    virtual bool nextEvent(SDL_Event& event) { return SDL_PollEvent(&event) != 0; }

private:
    bool setMode(int windowW, int windowH);
    void toggleFullscreen();
    void toPicture(SDL_Event& event) const;

    int pictureW = 0, pictureH = 0;
    bool bFullscreen = false;
    Letterbox box;
};
