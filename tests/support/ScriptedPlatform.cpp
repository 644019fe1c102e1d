#include "ScriptedPlatform.h"

#include "render/SpriteBatch.h"

ScriptedPlatform::ScriptedPlatform(bool window) : window(window), keys(SDLK_LAST, 0) {}

void ScriptedPlatform::init()
{
    if (window)
        SdlPlatform::init();
}

bool ScriptedPlatform::openWindow(int width, int height, bool fullscreen)
{
    return window && SdlPlatform::openWindow(width, height, fullscreen);
}

void ScriptedPlatform::openAudio()
{
    if (window)
        SdlPlatform::openAudio();
}

void ScriptedPlatform::closeAudio()
{
    if (window)
        SdlPlatform::closeAudio();
}

void ScriptedPlatform::showCursor(bool shown)
{
    if (window)
        SdlPlatform::showCursor(shown);
}

bool ScriptedPlatform::nextEvent(SDL_Event& event)
{
    if (events.empty())
        return false;
    event = events.front();
    events.pop_front();
    if (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
        keys[event.key.keysym.sym] = event.type == SDL_KEYDOWN ? 1 : 0;
    return true;
}

void ScriptedPlatform::swapBuffers()
{
    SpriteBatch::flush();
    now += frameMs;
    framesDone++;
    if (onFrame)
        onFrame(framesDone);
}

void ScriptedPlatform::key(SDLKey sym, bool down)
{
    SDL_Event e = {};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    events.push_back(e);
}

void ScriptedPlatform::mouseMotion(int x, int y)
{
    SDL_Event e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = (Uint16)x;
    e.motion.y = (Uint16)y;
    events.push_back(e);
}

void ScriptedPlatform::mouseButton(int button, bool down, int x, int y)
{
    SDL_Event e = {};
    e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.button = (Uint8)button;
    e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = (Uint16)x;
    e.button.y = (Uint16)y;
    events.push_back(e);
}

void ScriptedPlatform::quit()
{
    SDL_Event e = {};
    e.type = SDL_QUIT;
    events.push_back(e);
}

void ScriptedPlatform::joyAxis(int axis, int value)
{
    SDL_Event e = {};
    e.type = SDL_JOYAXISMOTION;
    e.jaxis.axis = (Uint8)axis;
    e.jaxis.value = (Sint16)value;
    events.push_back(e);
}

void ScriptedPlatform::joyButton(int button, bool down)
{
    SDL_Event e = {};
    e.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    e.jbutton.button = (Uint8)button;
    e.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    events.push_back(e);
}

void ScriptedPlatform::joyHat(int value)
{
    SDL_Event e = {};
    e.type = SDL_JOYHATMOTION;
    e.jhat.value = (Uint8)value;
    events.push_back(e);
}
