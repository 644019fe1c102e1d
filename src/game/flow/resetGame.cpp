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
    bGameOver = false;
    frames = 0;
    delta = 0;
    fps = 0;
    cursX = cursY = 0;
    hurtTimer = 0;
    last_check = 0;
    bIsLuggingCorpse = false;
    bIsOverWeapon = false;
    bIsOverPowerup = false;
    bIsOverCorpse = false;
    mbDown = false;
    clickFramesLeft = 0;
    inLarder = 0;
    bInCinema = false;
    shouldLoadCinema = false;
    cinemaName = "";

    scene.reset();
    events.clear();

    world.clear();
    ents.clear();
    runawayScripts.clear();

    combo.number = 0;
    combo.timer = 0;
    talkingConversation = "";
    bIsTalking = false;
    slowMoTimer = 0;
    deltaTimer = 1000.0f;

    consolePrint("Reset game!");

    redRender = false;
    redEffect = 1.0f;
    mbDown = false;
    blueEffect = 1.0f;

    std::string mapFile = "data/map" + std::to_string(mapNum) + ".dat";
    theMap->loadMap(files.readPath(mapFile).c_str());

    survival.active = false;
    survival.timer = 0;
    survival.spawntimer = 0;
    survival.score = 0;
    survival.seconds = 0;
    survival.minutes = 0;
}

void CGame::newGame()
{
    resetGame(0);

    player = actors.put(std::make_unique<Actor>());
    player->x = 40;
    player->y = 40;
    player->setAnimation(0, 3, 0, 0);
    player->setLevel(1);
    player->setHealth(100);
    player->setHealthMax(150);
    player->setRotation(0);

    printf("Massloading actors.\n");
    ActorMassLoader("data/actors");

    printf("Massloading entities and weapons\n");
    ents.load("data/entities.txt", items, larders);
}

void CGame::newSurvival()
{
    resetGame(0);

    player = actors.put(std::make_unique<Actor>());
    player->setHealth(200);
    player->setHealthMax(200);
    player->x = 2000;
    player->y = 2000;
    player->setRotation(0);
    auto gun = std::make_unique<MicroAR>();
    gun->setReserve(4500);
    player->setGun(std::move(gun));
    player->setAnimation(0, 3, 0, 0);
    player->setLevel(1);

    survival.active = true;
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
        Actor* actor = actors.put(std::move(made));
        actor->load(fileName.c_str());
        if (isAI && isCop)
            static_cast<CopActor*>(actor)->cacheMap(theMap.get());
    }
    return 0;
}
