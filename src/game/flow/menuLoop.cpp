#include "game/CGame.h"

#include <cmath>
#include <cstdio>

#include "audio/MusicManager.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"

namespace {
const char* const MENU_ITEMS[] = {"New Game", "Survival", "Credits", "Quit"};
const int MENU_SIZE = 4;
}

void CGame::menuLoop()
{
    printf("Entering menu loop\n");
    int menuPos = 0;
    bool bMenuDone = false;
    float angle = 32.0f;
    float pos = 0.0f;
    int L = font->getLineHeight();

    while (!bMenuDone) {
        io->setMenuMode(true);
        font->setFontColour(255, 255, 255);
        frames++;
        Uint32 start = io->ticks();
        clearScreen();

        // The decoration drifts right along a wave and turns.
        angle += delta * 20;
        if (angle > 360)
            angle = 0;
        pos += delta * 40;
        if (pos > scrWidth)
            pos = -250;
        actorSprites->drawSprite(6, (int)pos, (int)(std::sin(pos / 2) * 40), 256, 256, angle);
        actorSprites->drawSprite(19, scrWidth - 128, scrHeight - 128, 128, 128);
        actorSprites->drawSprite(20, scrWidth - 265, scrHeight - 128, 128, 128);

        char status[200];
        snprintf(status, sizeof status, "fps %i (%s)", fps, tunes->getTrackName().c_str());
        font->print(status, 10, scrHeight - 5 * L);

        for (int i = 0; i < MENU_SIZE; i++) {
            if (i == menuPos)
                font->setFontColour(255, 0, 0);
            else
                font->setFontColour(255, 255, 255);
            font->print(MENU_ITEMS[i], 10, scrHeight - (MENU_SIZE - i) * L);
        }
        font->setFontColour(255, 255, 255);

        io->swapBuffers();
        io->delay(1);
        delta = (float)(io->ticks() - start) / 1000.0f;

        while (io->pollEvent(event)) {
            if (event.type == SDL_QUIT) {
                bMenuDone = true;
            } else if (event.type == SDL_MOUSEBUTTONDOWN) {
                printf("x,y: %i,%i\n", event.button.x, event.button.y);
            } else if (event.type == SDL_KEYDOWN) {
                switch (event.key.keysym.sym) {
                case SDLK_DOWN:
                    menuPos = (menuPos + 1) % MENU_SIZE;
                    break;
                case SDLK_UP:
                    menuPos = (menuPos + MENU_SIZE - 1) % MENU_SIZE;
                    break;
                case SDLK_e:
                    io->showCursor(true);
                    ed.reset();
                    resetGame(0);
                    editorLoop();
                    io->showCursor(false);
                    break;
                case SDLK_RETURN:
                    menuChoice(menuPos, bMenuDone);
                    break;
                default:
                    break;
                }
            }
        }

        // The menu takes its count once more than a full second has passed.
        if (io->ticks() - (Uint32)last_check > 1000) {
            last_check = (int)io->ticks();
            fps = frames;
            frames = 0;
        }
    }
}

void CGame::menuChoice(int& menuPos, bool& bMenuDone)
{
    switch (menuPos) {
    case 0:
        playSession(false);
        break;
    case 1:
        playSession(true);
        break;
    case 2:
        showCredits();
        break;
    case 3:
        bMenuDone = true;
        break;
    default:
        fprintf(stderr, "WARN) Finger out of bounds\n");
        menuPos = 0;
        break;
    }
}

void CGame::helpScreen()
{
    while (io->pollEvent(event)) {
        if (event.type == SDL_QUIT || event.type == SDL_KEYDOWN) {
            help = false;
            return;
        }
    }
    actorSprites->drawSprite(43, 0, 0, scrWidth, scrHeight);
}
