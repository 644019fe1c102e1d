#include "world/StaticEntityManager.h"
#include "world/Actor.h"

void StaticEntityManager::respawnPlayer(Actor* player, bool removeWeapon)
{
    if (!player)
        return;
    if (removeWeapon)
        player->setGun(nullptr);
    player->setHealth(10);
}
