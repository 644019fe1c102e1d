#include "game/CGame.h"

#include "world/Actor.h"

namespace {
const float SPAWN_INTERVAL = 3.5f; // seconds between officers
const size_t MAX_ACTORS_FOR_SPAWN = 9; // the player included
}

// Advances the survival clock (at most one second per frame) and brings in a
// new officer every 3.5 seconds while the actor list has room. While it is
// full the spawn timer keeps growing, so officers waiting for room arrive one
// per frame once others die.
void CGame::survivalUpdate(float dt)
{
    survival.timer += dt;
    survival.spawntimer += dt;

    if (survival.timer >= 1.0f) {
        survival.timer -= 1.0f;
        survival.seconds += 1;
        if (survival.seconds > 59) {
            survival.seconds -= 60;
            survival.minutes += 1;
        }
    }

    // A spawn that found no free spot keeps its time and is tried next frame.
    if (survival.spawntimer >= SPAWN_INTERVAL && actors.size() <= MAX_ACTORS_FOR_SPAWN &&
        survivalSpawn(player->x, player->y))
        survival.spawntimer -= SPAWN_INTERVAL;
}
