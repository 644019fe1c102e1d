#include "game/CGame.h"

#include <cstdio>
#include <string>

#include "data/KelFileRead.h"
#include "world/Effect.h"
#include "script/CinemaScene.h"
#include "world/AIActor.h"
#include "world/Actor.h"
#include "world/Bullet.h"
#include "world/CopActor.h"
#include "world/Corpse.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/MicroAR.h"
#include "world/Weapon.h"
#include "world/WorldList.h"

void CGame::resetGame(int mapNum)
{
    play.bGameOver = false;
    frameRate.frames = 0;
    delta = 0;
    frameRate.fps = 0;
    mouse.cursX = mouse.cursY = 0;
    play.hurtTimer = 0;
    frameRate.last_check = 0;
    play.bIsLuggingCorpse = false;
    play.bIsOverWeapon = false;
    play.bIsOverPowerup = false;
    play.bIsOverCorpse = false;
    mouse.mbDown = false;
    mouse.clickFramesLeft = 0;
    play.inLarder = 0;
    play.bInCinema = false;
    play.shouldLoadCinema = false;
    play.cinemaName = "";

    play.scene.reset();
    events.clear();

    world.clear();
    world.ents.clear();
    play.runawayScripts.clear();

    play.combo.number = 0;
    play.combo.timer = 0;
    play.talkingConversation = "";
    play.bIsTalking = false;
    play.slowMoTimer = 0;
    deltaTimer = 1000.0f;

    consolePrint("Reset game!");

    play.redRender = false;
    play.redEffect = 1.0f;
    mouse.mbDown = false;
    play.blueEffect = 1.0f;

    std::string mapFile = "data/map" + std::to_string(mapNum) + ".dat";
    theMap->loadMap(files.readPath(mapFile).c_str());

    play.survival.active = false;
    play.survival.timer = 0;
    play.survival.spawntimer = 0;
    play.survival.score = 0;
    play.survival.seconds = 0;
    play.survival.minutes = 0;
}

void CGame::newGame()
{
    resetGame(0);

    world.player = world.actors.put(std::make_unique<Actor>());
    world.player->x = 40;
    world.player->y = 40;
    world.player->setAnimation(0, 3, 0, 0);
    world.player->setLevel(1);
    world.player->setHealth(100);
    world.player->setHealthMax(150);
    world.player->setRotation(0);

    printf("Massloading actors.\n");
    ActorMassLoader("data/actors");

    printf("Massloading entities and weapons\n");
    world.ents.load("data/entities.txt", world.items, world.larders);
}

void CGame::newSurvival()
{
    resetGame(0);

    world.player = world.actors.put(std::make_unique<Actor>());
    world.player->setHealth(200);
    world.player->setHealthMax(200);
    world.player->x = 2000;
    world.player->y = 2000;
    world.player->setRotation(0);
    auto gun = std::make_unique<MicroAR>();
    gun->setReserve(4500);
    world.player->setGun(std::move(gun));
    world.player->setAnimation(0, 3, 0, 0);
    world.player->setLevel(1);

    play.survival.active = true;
}

int CGame::ActorMassLoader(const char* dir)
{
    for (int i = 0;; i++) {
        std::string fileName = std::string(dir) + "/" + std::to_string(i) + ".def";
        KelFileRead file(fileName.c_str());
        if (!file.isOkay()) {
            fprintf(stderr, "File %s is missing, can't load def\n", fileName.c_str());
            break;
        }
        bool isAI = false, isCop = false;
        file.getBoolFromFile(isAI, "isAI");
        file.getBoolFromFile(isCop, "isCop");
        file.close();

        std::unique_ptr<Actor> made;
        if (!isAI)
            made = std::make_unique<Actor>();
        else if (!isCop)
            made = std::make_unique<AIActor>();
        else
            made = std::make_unique<CopActor>();
        Actor* actor = world.actors.put(std::move(made));
        actor->load(fileName.c_str());
        if (isAI && isCop)
            static_cast<CopActor*>(actor)->cacheMap(theMap.get());
    }
    return 0;
}
