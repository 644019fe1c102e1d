#include "app/WebPlatform.h"

#include <emscripten.h>

#include "render/SpriteBatch.h"

WebPlatform::~WebPlatform()
{
    EM_ASM({
        if (Module.gameEnded)
            Module.gameEnded();
    });
}

// Some loops pause before they swap: the quads still batched are drawn
// before the browser shows the canvas.
void WebPlatform::delay(Uint32 ms)
{
    SpriteBatch::flush();
    SdlPlatform::delay(ms);
}

void WebPlatform::swapBuffers()
{
    SdlPlatform::swapBuffers();
    frames += 1;
    EM_ASM({ window.larderFrames = $0; }, frames);
}
