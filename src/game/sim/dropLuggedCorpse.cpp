#include "game/CGame.h"

#include "world/Actor.h"
#include "world/Corpse.h"
#include "world/WorldList.h"

// The dragged corpse falls where the player stands, turned as the player
// faces, and lies on the map again.
void CGame::dropLuggedCorpse()
{
    play.bIsLuggingCorpse = false;
    if (!world.luggedCorpse)
        return;
    world.luggedCorpse->x = world.player->x;
    world.luggedCorpse->y = world.player->y;
    world.luggedCorpse->setRotation(world.player->getRotation());
    world.corpses.put(std::move(world.luggedCorpse));
}
