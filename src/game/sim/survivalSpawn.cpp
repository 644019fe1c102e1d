#include "game/CGame.h"

#include <cstdlib>

#include "world/CopActor.h"
#include "world/Map.h"
#include "world/GameRandom.h"

namespace {
// Candidates drawn before any free one is accepted, so the spawn point is
// spread over the ring around the player rather than the first free spot.
const int MIN_CANDIDATES = 50;
// Past this many candidates the search gives up: a player walled in on every
// side of the ring would otherwise never get an officer and never get the
// frame back.
const int MAX_CANDIDATES = 1000;
}

// Adds one angry officer 500 to 749 pixels from (px, py), in a random
// direction, on a spot that is not solid. False, with nobody added, when the
// ring holds no free spot: the caller tries again on a later frame rather
// than dropping the officer onto the player.
bool CGame::survivalSpawn(float px, float py)
{
    auto cop = std::make_unique<CopActor>();
    cop->x = px;
    cop->y = py;

    bool found = false, haveEarlyFree = false;
    float spawnX = px, spawnY = py;
    float earlyX = px, earlyY = py;
    for (int attempt = 1; attempt <= MAX_CANDIDATES && !found; attempt++) {
        cop->setRotation(gameRand() % 360);
        float d = (float)(500 + gameRand() % 250);
        float cx = cop->getForwardX(d);
        float cy = cop->getForwardY(d);
        if (theMap->isSolid(cx, cy))
            continue;
        if (attempt >= MIN_CANDIDATES) {
            spawnX = cx;
            spawnY = cy;
            found = true;
        } else if (!haveEarlyFree) {
            earlyX = cx;
            earlyY = cy;
            haveEarlyFree = true;
        }
    }
    if (!found && haveEarlyFree) {
        // Free spots exist but are rare: take the first one seen.
        spawnX = earlyX;
        spawnY = earlyY;
    } else if (!found) {
        return false;
    }

    cop->x = spawnX;
    cop->y = spawnY;
    cop->setSurvivalMode(true);
    cop->alertHostile(px, py);
    cop->becomeAngry(px, py);
    cop->changeMood(world.player->team, -500);
    cop->cacheMap(theMap.get());
    cop->setAttentionRange(1950.0f);

    cop->setHealth(10 * play.survival.seconds);
    cop->setHealthMax(10 * play.survival.seconds);

    world.actors.put(std::move(cop));
    return true;
}
