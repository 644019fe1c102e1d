#include "game/CGame.h"

#include "world/Effect.h"

// Splashes scattered around (x, y), each one of the three blood images.
void CGame::spawnBlood(int amount, float x, float y)
{
    addEffects(bloodSplashes(amount, x, y));
}

void CGame::spawnBulletHole(double angle, float x, float y)
{
    addEffects({bulletHole(angle, x, y)});
}

void CGame::spawnBulletCasing(double angle, float x, float y)
{
    addEffects({bulletCasing(angle, x, y)});
}

void CGame::addEffects(const std::vector<Effect>& made)
{
    for (const Effect& e : made)
        world.effects.put(std::make_unique<Effect>(e));
}
