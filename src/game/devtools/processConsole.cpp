#include "game/CGame.h"

#include <cstdio>

#include "data/Version.h"
#include "render/HudMath.h"
#include "world/AIActor.h"
#include "world/Actor.h"
#include "world/CopActor.h"
#include "world/Weapon.h"

namespace {
// The first space-separated word of the line; empty when there is none.
std::string firstWord(const std::string& line)
{
    size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos)
        return "";
    size_t end = line.find(' ', start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
}

// Runs one console line: 0 keeps the console open, -1 closes it.
int CGame::processConsole(const std::string& line)
{
    std::string command = firstWord(line);
    if (command.empty())
        return 0; // an empty line or only spaces: nothing to do

    if (command == "spawndrone") {
        AIActor* drone = world.actors.put(std::make_unique<AIActor>());
        drone->x = world.player->x;
        drone->y = world.player->y;
        consolePrint("added actor at your x,y");
    } else if (command == "comboup") {
        play.combo.timer = HudMath::COMBO_SECONDS;
        play.combo.number += 1;
        consolePrint("Combo increased");
    } else if (command == "freakout") {
        for (Actor* actor : world.actors)
            if (AIActor* npc = dynamic_cast<AIActor*>(actor))
                npc->changeMood(world.player->team, -50);
        consolePrint("Everyone really hates you now.");
    } else if (command == "spawncop") {
        CopActor* cop = world.actors.put(std::make_unique<CopActor>());
        cop->cacheMap(theMap.get());
        cop->x = world.player->x;
        cop->y = world.player->y;
        consolePrint("added cop at your x,y");
    } else if (command == "wingame") {
        if (!play.survival.active) {
            initCinema("data/cinema/win.mor");
            return -1;
        }
    } else if (command == "healme") {
        world.player->setHealth(world.player->getHealthMax());
        consolePrint("Cheater");
    } else if (command == "fullammo") {
        if (Weapon* gun = world.player->getGun()) {
            gun->setReserve(1000);
            consolePrint("here, have 1000 bullets");
        } else {
            consolePrint("you don't have a gun");
        }
    } else if (command == "sshot") {
        std::string path = files.writePath("console.bmp");
        if (!path.empty() && takeScreenshot(path.c_str()))
            consolePrint("dumped to " + path);
        else
            consolePrint("couldn't write console.bmp");
    } else if (command == "version") {
        char reply[64];
        snprintf(reply, sizeof reply, "Larder 2 version %s", LARDER_VERSION);
        consolePrint(reply);
    } else if (command == "exit") {
        return -1;
    } else {
        consolePrint("Unknown command '" + command + "'.");
    }
    return 0;
}
