#include "game/CGame.h"

#include <cstdlib>

#include "world/Effect.h"
#include "world/SpriteIndex.h"
#include "world/GameRandom.h"

namespace {


// A random scatter of -25 .. 24 pixels.
int scatter() { return gameRand() % 50 - 25; }

}  // namespace

// Splashes scattered around (x, y), each one of the three blood images.
void CGame::spawnBlood(int amount, float x, float y)
{
    for (int i = 0; i < amount; i++) {
        // The random numbers are drawn in this order: x, y, image.
        float bx = x + scatter();
        float by = y + scatter();
        int graphic = SpriteIndex::BLOOD + gameRand() % SpriteIndex::BLOOD_KINDS;
        effects.push_back(new Effect(graphic, bx, by, 0, 0));
    }
}

void CGame::spawnBulletHole(double angle, float x, float y)
{
    effects.push_back(new Effect(SpriteIndex::BULLET_HOLE, x, y, 0, 0, angle));
}

void CGame::spawnBulletCasing(double angle, float x, float y)
{
    float cx = x + scatter();
    float cy = y + scatter();
    effects.push_back(new Effect(SpriteIndex::CASING, cx, cy, 0, 0, angle));
}
