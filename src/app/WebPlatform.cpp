#include "app/WebPlatform.h"

#include <emscripten.h>

WebPlatform::~WebPlatform()
{
    EM_ASM({
        if (Module.gameEnded)
            Module.gameEnded();
    });
}

void WebPlatform::swapBuffers()
{
    SdlPlatform::swapBuffers();
    frames += 1;
    EM_ASM({ window.larderFrames = $0; }, frames);
}
