#pragma once
#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>

#include "game/Platform.h"

// The machine's own window, audio device, events, keyboard, clock and buffer
// swap, through SDL.
class SdlPlatform : public Platform {
public:
    void init() override
    {
        if (SDL_Init(SDL_INIT_EVERYTHING) < 0) {
            fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
            exit(1);
        }
        atexit(SDL_Quit);
    }
    bool openWindow(int width, int height, bool fullscreen) override
    {
        Uint32 flags = SDL_HWSURFACE | SDL_OPENGL | SDL_ASYNCBLIT | SDL_ANYFORMAT;
        if (fullscreen)
            flags |= SDL_FULLSCREEN;
        if (!SDL_SetVideoMode(width, height, 0, flags)) {
            fprintf(stderr, "Couldn't initialize screen surface at %ix%i: %s\n",
                    width, height, SDL_GetError());
            exit(1);
        }
        SDL_WM_SetCaption("Larder ][", nullptr);
        return true;
    }
    void openAudio() override
    {
        if (Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 4096) != 0) {
            fprintf(stderr, "Unable to initialize audio: %s\n", SDL_GetError());
            exit(1);
        }
    }
    void closeAudio() override { Mix_CloseAudio(); }
    void showCursor(bool shown) override { SDL_ShowCursor(shown ? 1 : 0); }

    bool pollEvent(SDL_Event& event) override { return SDL_PollEvent(&event) != 0; }
    Uint8* keyState() override { return SDL_GetKeyState(nullptr); }
    Uint32 ticks() override { return SDL_GetTicks(); }
    void delay(Uint32 ms) override { SDL_Delay(ms); }
    void swapBuffers() override { SDL_GL_SwapBuffers(); }
};
