#include "game/CGame.h"

#include <GL/gl.h>
#include <cstdio>

#include "game/flow/FrameTiming.h"
#include "game/flow/ModalLoop.h"
#include "render/HudMath.h"
#include "render/SpriteBatch.h"
#include "game/flow/ScrollingText.h"
#include "audio/MusicManager.h"
#include "audio/SoundEffectManager.h"
#include "data/ConfLoader.h"
#include "script/CinemaScene.h"
#include "world/Actor.h"
#include "world/Map.h"
#include "world/Weapon.h"
#include "world/WorldList.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"

namespace {
// Portrait of the hospital staff who speak when the player wakes there.
const int HOSPITAL_PORTRAIT = 2;
}

void CGame::gameLoop()
{
    help = true; // every game starts behind the help screen
    io->setMenuMode(false);
    // Play has music: the first game starts the first track, which then
    // loops on through the menu and later games.
    if (tunes->curTrack < 0 && tunes->size() > 0)
        tunes->playTrack(0, true);
    ModalLoop loop;
    loop.running = [this] { return !bGameOver; };
    loop.frame = [this] {
        consumeEvents();
        if (bInCinema)
            cinemaFrame();
        else
            playFrame();
        return true;
    };
    loop.timing = [this](Uint32 ms) {
        frames++;
        delta = FrameTiming::frameDelta(ms, deltaTimer);
        if (FrameTiming::fpsDue(io->ticks(), (Uint32)last_check)) {
            last_check = (int)io->ticks();
            fps = frames;
            frames = 0;
        }
        return true;
    };
    loop.run(*io, event);
    consumeEvents(); // what the last frame did
}

void CGame::cinemaFrame()
{
    gameAssert(scene != nullptr, "gameLoop", 125);
    scene->tickScript(delta);
    clearScreen();
    drawTileLayer((int)scene->cinemaX, (int)scene->cinemaY);
    drawSpriteLayer((int)scene->cinemaX, (int)scene->cinemaY, scene->actors);
    drawHUD();

    while (io->pollEvent(event)) {
        if (event.type == SDL_QUIT) {
            bInCinema = false;
            if (gameWon())
                bGameOver = true;
        } else if (event.type == SDL_KEYDOWN) {
            bInCinema = false; // any key skips the scene
        }
    }

    if (!scene->isReady() || scene->isDone()) {
        printf("%s: Bailing out of cinema, appears to be done\n", "gameLoop");
        scene->finish();
        bInCinema = false;
        if (gameWon()) {
            bGameOver = true;
            showCredits();
        }
    }
    if (!bInCinema)
        startRequestedCinema();
}

// A cut-scene asked for from inside a cut-scene (a "wingame" or "playCinema"
// of its script) starts as soon as that scene has ended, or is dropped when
// the game is over; it never waits for some later, unrelated script.
void CGame::startRequestedCinema()
{
    if (!shouldLoadCinema)
        return;
    std::string name = cinemaName;
    shouldLoadCinema = false;
    cinemaName = "";
    if (!bGameOver)
        initCinema(name.c_str());
}

void CGame::playFrame()
{
    clearScreen();
    if (!survival.active) {
        if (gameWon()) {
            printf("Player has completed the game\n");
            initCinema("data/cinema/win.mor");
        }
    } else if (!help) {
        // The clock and the officers' arrivals wait behind the help screen,
        // as the rest of play does.
        survivalUpdate(delta);
    }

    if (player->getHealth() < 1)
        playerDied();

    setWorldTint();
    theMap->updateTileAnimation(delta);

    int cx = (int)player->x + 24;
    int cy = (int)player->y + 24;
    drawTileLayer(cx, cy);
    drawEffectLayer(cx, cy);
    drawWeapons(cx, cy);
    drawShots(cx, cy);
    if (redRender)
        setBlueTint();
    drawSpriteLayer(cx, cy);
    drawLarders(player->x + 24.0f, player->y + 24.0f);
    drawHUD();

    if (help) {
        helpScreen();
    } else {
        updateSlowmo();
        getInput();
        handleAI();
        handleShots();
    }
}

// The player's weapon and a dragged corpse stay where the player fell.
void CGame::playerDied()
{
    mbDown = false;
    clickFramesLeft = 0;
    if (std::unique_ptr<Weapon> gun = player->takeGun()) {
        gun->x = player->x;
        gun->y = player->y;
        items.put(std::move(gun));
    }
    if (bIsLuggingCorpse)
        dropLuggedCorpse();

    if (survival.active) {
        deathAnimation();
        survivalResults();
        bGameOver = true;
    } else {
        ents.respawnPlayer(player, true);
        showConversation("You have been revived at a local hospital.", HOSPITAL_PORTRAIT);
        deathAnimation();
    }
}

void CGame::showCredits()
{
    ScrollingText credits(font.get(), "data/credits.txt", scrWidth, scrHeight, actorSprites.get(),
                          SpriteIndex::CREDITS_BACKGROUND, io.get(),
                          [this] { clearScreen(); });
    credits.displayLoop();
}

void CGame::clearScreen()
{
    if (!bHasScreen)
        return;
    SpriteBatch::flush();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void CGame::initSlowmo()
{
    slowMoTimer = HudMath::SLOWMO_SECONDS;
}

void CGame::updateSlowmo()
{
    FrameTiming::updateSlowmo(slowMoTimer, deltaTimer, delta, conf->getValue("SLOWMO_MULTIPLIER"));
}

void CGame::deathAnimation()
{
    float counter = 0.0f;
    bool rising = true;
    ModalLoop fade;
    fade.frame = [&] {
        if (bHasScreen)
            glClearColor(counter, 0, 0, counter);
        clearScreen();
        if (rising && counter >= 1.0f) {
            rising = false;
            sfx->playSample(SampleIndex::DEATH, true);
        } else if (!rising && counter < 0) {
            return false;
        }
        return true;
    };
    fade.delayBeforeSwap = true;
    fade.timing = [&](Uint32 ms) {
        float elapsed = FrameTiming::frameDelta(ms, 1000.0f);
        counter += rising ? elapsed : -elapsed;
        return true;
    };
    fade.eventsAt = ModalLoop::EVENTS_AFTER_SWAP;
    fade.onEvent = [](const SDL_Event&) { return true; }; // drained and ignored
    fade.run(*io, event);
    if (bHasScreen)
        glClearColor(0, 0, 0, 0);
    setColour(1, 1, 1);
    delta = 0; // the fade's duration is not game time
}

bool CGame::gameWon()
{
    if (survival.active)
        return false;
    return actors.size() == 1 && corpses.empty() && !bIsLuggingCorpse;
}
