#include "game/CGame.h"

#include "world/AIActor.h"
#include "world/Actor.h"

// The sight of the player dragging a corpse at (x, y): every character within
// its attention range that has a clear line of sight to the player takes it
// as a threat, whichever way it faces. With `dumb` set, everyone in range is
// made angry at the player, seen or not. Plain characters without behaviour
// (not AIActor) have no attention and ignore it.
void CGame::checkCorpseViewers(float x, float y, bool dumb)
{
    if (!play.bIsLuggingCorpse)
        return;
    for (Actor* a : world.actors) {
        if (a == world.player)
            continue;
        AIActor* npc = dynamic_cast<AIActor*>(a);
        if (!npc || npc->distance(x, y) > npc->getAttentionRange())
            continue;
        if (dumb)
            npc->becomeAngry(x, y);
        if (npc->canSee(x, y, theMap.get()))
            npc->alertHostile(x, y);
    }
}
