#include "app/SdlPlatform.h"

#include "render/SpriteBatch.h"

#include <GL/gl.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>

void SdlPlatform::init()
{
    if (SDL_Init(SDL_INIT_EVERYTHING) < 0) {
        fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        exit(1);
    }
    atexit(SDL_Quit);
}

bool SdlPlatform::openWindow(int width, int height, bool fullscreen)
{
    pictureW = width;
    pictureH = height;
    bFullscreen = fullscreen;
    int factor = scale > 0 ? scale : 1;
    if (!setMode(width * factor, height * factor)) {
        fprintf(stderr, "Couldn't initialize screen surface at %ix%i: %s\n",
                width * factor, height * factor, SDL_GetError());
        exit(1);
    }
    SDL_WM_SetCaption("Larder ][", nullptr);
    return true;
}

void SdlPlatform::setWindowScale(int factor)
{
    if (scale == 0)
        scale = factor;
}

void SdlPlatform::swapBuffers()
{
    SpriteBatch::flush();
    SDL_GL_SwapBuffers();
}

// A window of the given size (or full screen at it) with the picture fitted
// inside. On X11 the OpenGL context, and with it every texture, survives.
bool SdlPlatform::setMode(int windowW, int windowH)
{
    SpriteBatch::flush(); // what is pending belongs to the old viewport
    Uint32 flags = SDL_HWSURFACE | SDL_OPENGL | SDL_ASYNCBLIT | SDL_ANYFORMAT;
    flags |= bFullscreen ? SDL_FULLSCREEN : SDL_RESIZABLE;
    SDL_Surface* screen = SDL_SetVideoMode(windowW, windowH, 0, flags);
    if (!screen)
        return false;
    box = Letterbox::fit(pictureW, pictureH, screen->w, screen->h);
    glViewport(box.x, screen->h - box.y - box.h, box.w, box.h);
    return true;
}

void SdlPlatform::toggleFullscreen()
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    if (!screen)
        return;
    bFullscreen = !bFullscreen;
    if (SDL_WM_ToggleFullScreen(screen))
        return;
    if (!setMode(screen->w, screen->h)) { // no full screen here: stay as we were
        bFullscreen = !bFullscreen;
        setMode(screen->w, screen->h);
    }
}

void SdlPlatform::openAudio()
{
    if (Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 4096) != 0) {
        fprintf(stderr, "Unable to initialize audio: %s\n", SDL_GetError());
        exit(1);
    }
}

void SdlPlatform::closeAudio() { Mix_CloseAudio(); }

void SdlPlatform::showCursor(bool shown) { SDL_ShowCursor(shown ? 1 : 0); }

// Resizing and F11 are the window's own business; the game sees neither.
bool SdlPlatform::pollEvent(SDL_Event& event)
{
    while (nextEvent(event)) {
        switch (event.type) {
        case SDL_VIDEORESIZE:
            if (!bFullscreen && SDL_GetVideoSurface())
                setMode(event.resize.w, event.resize.h);
            continue;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (event.key.keysym.sym != SDLK_F11)
                return true;
            if (event.type == SDL_KEYDOWN)
                toggleFullscreen();
            continue;
        default:
            toPicture(event);
            return true;
        }
    }
    return false;
}

void SdlPlatform::toPicture(SDL_Event& event) const
{
    if (pictureW == 0)
        return; // no window: positions are picture positions already
    if (event.type == SDL_MOUSEMOTION) {
        event.motion.x = (Uint16)box.toPictureX(event.motion.x);
        event.motion.y = (Uint16)box.toPictureY(event.motion.y);
        event.motion.xrel = (Sint16)box.scaleX(event.motion.xrel);
        event.motion.yrel = (Sint16)box.scaleY(event.motion.yrel);
    } else if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP) {
        event.button.x = (Uint16)box.toPictureX(event.button.x);
        event.button.y = (Uint16)box.toPictureY(event.button.y);
    }
}
