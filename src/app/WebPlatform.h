#pragma once
#include "app/SdlPlatform.h"

// The machine when the game runs in a browser page (emscripten's SDL). The
// game's loops block as on the desktop; their pause after each frame
// (SDL_Delay, built with Asyncify) hands control back to the browser, which
// shows the canvas as it is then, delivers input and resumes the loop. Each
// swap counts a frame into the page's `window.larderFrames`, and when the
// game ends the page says goodbye instead of leaving a dead canvas.
class WebPlatform : public SdlPlatform {
public:
    ~WebPlatform() override;
    void delay(Uint32 ms) override;
    void swapBuffers() override;

private:
    double frames = 0;
};
