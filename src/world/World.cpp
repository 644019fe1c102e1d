#include "world/World.h"

#include "world/Actor.h"
#include "world/Bullet.h"
#include "world/Corpse.h"
#include "world/Effect.h"
#include "world/Larder.h"
#include "world/Weapon.h"

World::World() = default;

World::~World()
{
    clear();
}

void World::clear()
{
    actors.clear();
    shots.clear();
    items.clear();
    corpses.clear();
    effects.clear();
    larders.clear();
    luggedCorpse.reset();
    player = nullptr;
}
