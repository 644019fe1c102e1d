#include "game/CGame.h"

#include "world/Actor.h"
#include "world/Corpse.h"
#include "world/WorldList.h"

// The dragged corpse falls where the player stands, turned as the player
// faces, and lies on the map again.
void CGame::dropLuggedCorpse()
{
    bIsLuggingCorpse = false;
    if (!luggedCorpse)
        return;
    luggedCorpse->x = player->x;
    luggedCorpse->y = player->y;
    luggedCorpse->setRotation(player->getRotation());
    corpses.put(std::move(luggedCorpse));
}
