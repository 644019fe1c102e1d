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
    play.help = true; // every game starts behind the help screen
    devices.io->setMenuMode(false);
    // Play has music: the first game starts the first track, which then
    // loops on through the menu and later games.
    if (devices.tunes->curTrack < 0 && devices.tunes->size() > 0)
        devices.tunes->playTrack(0, true);
    ModalLoop loop;
    loop.running = [this] { return !play.bGameOver; };
    loop.frame = [this] {
        consumeEvents();
        if (play.bInCinema)
            cinemaFrame();
        else
            playFrame();
        return true;
    };
    loop.timing = [this](Uint32 ms) {
        frameRate.frames++;
        delta = FrameTiming::frameDelta(ms, deltaTimer);
        if (FrameTiming::fpsDue(devices.io->ticks(), (Uint32)frameRate.last_check)) {
            frameRate.last_check = (int)devices.io->ticks();
            frameRate.fps = frameRate.frames;
            frameRate.frames = 0;
        }
        return true;
    };
    loop.run(*devices.io, event);
    consumeEvents(); // what the last frame did
}

void CGame::cinemaFrame()
{
    gameAssert(play.scene != nullptr, "gameLoop", 125);
    play.scene->tickScript(delta);
    clearScreen();
    drawTileLayer((int)play.scene->cinemaX, (int)play.scene->cinemaY);
    drawSpriteLayer((int)play.scene->cinemaX, (int)play.scene->cinemaY, play.scene->actors);
    drawHUD();

    while (devices.io->pollEvent(event)) {
        if (event.type == SDL_QUIT) {
            play.bInCinema = false;
            if (gameWon())
                play.bGameOver = true;
        } else if (event.type == SDL_KEYDOWN) {
            play.bInCinema = false; // any key skips the scene
        }
    }

    if (!play.scene->isReady() || play.scene->isDone()) {
        printf("%s: Bailing out of cinema, appears to be done\n", "gameLoop");
        play.scene->finish();
        play.bInCinema = false;
        if (gameWon()) {
            play.bGameOver = true;
            showCredits();
        }
    }
    if (!play.bInCinema)
        startRequestedCinema();
}

// A cut-scene asked for from inside a cut-scene (a "wingame" or "playCinema"
// of its script) starts as soon as that scene has ended, or is dropped when
// the game is over; it never waits for some later, unrelated script.
void CGame::startRequestedCinema()
{
    if (!play.shouldLoadCinema)
        return;
    std::string name = play.cinemaName;
    play.shouldLoadCinema = false;
    play.cinemaName = "";
    if (!play.bGameOver)
        initCinema(name.c_str());
}

void CGame::playFrame()
{
    clearScreen();
    if (!play.survival.active) {
        if (gameWon()) {
            printf("Player has completed the game\n");
            initCinema("data/cinema/win.mor");
        }
    } else if (!play.help) {
        // The clock and the officers' arrivals wait behind the help screen,
        // as the rest of play does.
        survivalUpdate(delta);
    }

    if (world.player->getHealth() < 1)
        playerDied();

    setWorldTint();
    theMap->updateTileAnimation(delta);

    int cx = (int)world.player->x + 24;
    int cy = (int)world.player->y + 24;
    drawTileLayer(cx, cy);
    drawEffectLayer(cx, cy);
    drawWeapons(cx, cy);
    drawShots(cx, cy);
    if (play.redRender)
        setBlueTint();
    drawSpriteLayer(cx, cy);
    drawLarders(world.player->x + 24.0f, world.player->y + 24.0f);
    drawHUD();

    if (play.help) {
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
    mouse.mbDown = false;
    mouse.clickFramesLeft = 0;
    if (std::unique_ptr<Weapon> gun = world.player->takeGun()) {
        gun->x = world.player->x;
        gun->y = world.player->y;
        world.items.put(std::move(gun));
    }
    if (play.bIsLuggingCorpse)
        dropLuggedCorpse();

    if (play.survival.active) {
        deathAnimation();
        survivalResults();
        play.bGameOver = true;
    } else {
        world.ents.respawnPlayer(world.player, true);
        showConversation("You have been revived at a local hospital.", HOSPITAL_PORTRAIT);
        deathAnimation();
    }
}

void CGame::showCredits()
{
    ScrollingText credits(devices.font.get(), "data/credits.txt", scrWidth, scrHeight, devices.actorSprites.get(),
                          SpriteIndex::CREDITS_BACKGROUND, devices.io.get(),
                          [this] { clearScreen(); });
    credits.displayLoop();
}

void CGame::clearScreen()
{
    if (!devices.bHasScreen)
        return;
    SpriteBatch::flush();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void CGame::initSlowmo()
{
    play.slowMoTimer = HudMath::SLOWMO_SECONDS;
}

void CGame::updateSlowmo()
{
    FrameTiming::updateSlowmo(play.slowMoTimer, deltaTimer, delta, conf->getValue("SLOWMO_MULTIPLIER"));
}

void CGame::deathAnimation()
{
    float counter = 0.0f;
    bool rising = true;
    ModalLoop fade;
    fade.frame = [&] {
        if (devices.bHasScreen)
            glClearColor(counter, 0, 0, counter);
        clearScreen();
        if (rising && counter >= 1.0f) {
            rising = false;
            devices.sfx->playSample(SampleIndex::DEATH, true);
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
    fade.run(*devices.io, event);
    if (devices.bHasScreen)
        glClearColor(0, 0, 0, 0);
    setColour(1, 1, 1);
    delta = 0; // the fade's duration is not game time
}

bool CGame::gameWon()
{
    if (play.survival.active)
        return false;
    return world.actors.size() == 1 && world.corpses.empty() && !play.bIsLuggingCorpse;
}
