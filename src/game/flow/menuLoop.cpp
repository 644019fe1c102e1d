#include "game/CGame.h"

#include <cmath>
#include <cstdio>

#include "audio/MusicManager.h"
#include "game/flow/FrameTiming.h"
#include "game/flow/ModalLoop.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "world/SpriteIndex.h"

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

    ModalLoop menu;
    menu.running = [&] { return !bMenuDone; };
    menu.frame = [&] {
        devices.io->setMenuMode(true);
        devices.font->setFontColour(255, 255, 255);
        frameRate.frames++;
        clearScreen();
        drawMenu(menuPos, angle, pos);
        return true;
    };
    menu.delayMs = 1;
    menu.timing = [&](Uint32 ms) {
        delta = FrameTiming::seconds(ms);
        return true;
    };
    menu.eventsAt = ModalLoop::EVENTS_AFTER_SWAP;
    menu.onEvent = [&](const SDL_Event& e) {
        menuEvent(e, menuPos, bMenuDone);
        return true;
    };
    // The menu takes its count once more than a full second has passed.
    menu.endOfPass = [&] {
        if (devices.io->ticks() - (Uint32)frameRate.last_check > 1000) {
            frameRate.last_check = (int)devices.io->ticks();
            frameRate.fps = frameRate.frames;
            frameRate.frames = 0;
        }
    };
    menu.run(*devices.io, event);
}

// The decoration drifts right along a wave and turns; the status line and
// the items, the selected one in red, stand at the bottom.
void CGame::drawMenu(int menuPos, float& angle, float& pos)
{
    angle += delta * 20;
    if (angle > 360)
        angle = 0;
    pos += delta * 40;
    if (pos > scrWidth)
        pos = -250;
    devices.actorSprites->drawSprite(SpriteIndex::MENU_EMBLEM, (int)pos, (int)(std::sin(pos / 2) * 40), 256,
                             256, angle);
    devices.actorSprites->drawSprite(SpriteIndex::MENU_LARDER, scrWidth - 128, scrHeight - 128, 128, 128);
    devices.actorSprites->drawSprite(SpriteIndex::MENU_BADGE, scrWidth - 265, scrHeight - 128, 128, 128);

    int L = devices.font->getLineHeight();
    char status[200];
    snprintf(status, sizeof status, "fps %i (%s)", frameRate.fps, devices.tunes->getTrackName().c_str());
    devices.font->print(status, 10, scrHeight - 5 * L);

    for (int i = 0; i < MENU_SIZE; i++) {
        if (i == menuPos)
            devices.font->setFontColour(255, 0, 0);
        else
            devices.font->setFontColour(255, 255, 255);
        devices.font->print(MENU_ITEMS[i], 10, scrHeight - (MENU_SIZE - i) * L);
    }
    devices.font->setFontColour(255, 255, 255);
}

void CGame::menuEvent(const SDL_Event& e, int& menuPos, bool& bMenuDone)
{
    if (e.type == SDL_QUIT) {
        bMenuDone = true;
    } else if (e.type == SDL_MOUSEBUTTONDOWN) {
        printf("x,y: %i,%i\n", e.button.x, e.button.y);
    } else if (e.type == SDL_KEYDOWN) {
        switch (e.key.keysym.sym) {
        case SDLK_DOWN:
            menuPos = (menuPos + 1) % MENU_SIZE;
            break;
        case SDLK_UP:
            menuPos = (menuPos + MENU_SIZE - 1) % MENU_SIZE;
            break;
        case SDLK_e:
            devices.io->showCursor(true);
            tools.ed.reset();
            resetGame(0);
            editorLoop();
            devices.io->showCursor(false);
            break;
        case SDLK_RETURN:
            menuChoice(menuPos, bMenuDone);
            break;
        default:
            break;
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
    while (devices.io->pollEvent(event)) {
        if (event.type == SDL_QUIT || event.type == SDL_KEYDOWN) {
            play.help = false;
            return;
        }
    }
    int picture = play.survival.active ? SpriteIndex::SURVIVAL_HELP_SCREEN : SpriteIndex::HELP_SCREEN;
    devices.actorSprites->drawSprite(picture, 0, 0, scrWidth, scrHeight);
}
