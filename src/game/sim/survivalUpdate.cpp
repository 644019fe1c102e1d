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
    play.survival.timer += dt;
    play.survival.spawntimer += dt;

    if (play.survival.timer >= 1.0f) {
        play.survival.timer -= 1.0f;
        play.survival.seconds += 1;
        if (play.survival.seconds > 59) {
            play.survival.seconds -= 60;
            play.survival.minutes += 1;
        }
    }

    // A spawn that found no free spot keeps its time and is tried next frame.
    if (play.survival.spawntimer >= SPAWN_INTERVAL && world.actors.size() <= MAX_ACTORS_FOR_SPAWN &&
        survivalSpawn(world.player->x, world.player->y))
        play.survival.spawntimer -= SPAWN_INTERVAL;
}
