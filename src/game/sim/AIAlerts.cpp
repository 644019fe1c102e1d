#include "game/CGame.h"

#include "world/AIActor.h"

namespace {

// Mood lost toward the attacking side by a witness of a shot and of a kill.
const int SHOT_MOOD_CHANGE = -1;
const int KILL_MOOD_CHANGE = -3;

// The NPCs of the list other than the player; plain actors without
// behaviour hear nothing.
AIActor* npcOf(Actor* actor, const Actor* player)
{
    if (actor == player)
        return nullptr;
    return dynamic_cast<AIActor*>(actor);
}

bool withinEarshot(AIActor* npc, float x, float y)
{
    return npc->distance(x, y) <= npc->getAttentionRange();
}

// Violence at (x, y): every NPC within earshot reacts to the spot (civilians
// flee, officers fire or turn cautious) and likes the attacking side less,
// unless it belongs to it. A victim that is an NPC is alerted too.
void alertWitnesses(const OwnedList<Actor>& actors, const Actor* player, float x, float y,
    int attackerTeam, int moodChange)
{
    for (size_t i = 0; i < actors.size(); i++) {
        AIActor* npc = npcOf(actors[i], player);
        if (!npc || !withinEarshot(npc, x, y))
            continue;
        npc->alertHostile(x, y);
        if (npc->team != attackerTeam)
            npc->changeMood(attackerTeam, moodChange);
    }
}

} // namespace

// The player fired from (x, y): everyone within earshot who is not already
// fleeing, police in pursuit included, walks over to look.
void CGame::AI_gunFired(float x, float y)
{
    for (size_t i = 0; i < world.actors.size(); i++) {
        AIActor* npc = npcOf(world.actors[i], world.player);
        if (!npc || !withinEarshot(npc, x, y) || npc->getState() == STATE_SCARED)
            continue;
        npc->walkTo(x, y);
        npc->setState(STATE_WALKING);
    }
}

void CGame::AI_actorShot(float x, float y, int shooterTeam, int)
{
    alertWitnesses(world.actors, world.player, x, y, shooterTeam, SHOT_MOOD_CHANGE);
}

void CGame::AI_actorKilled(float x, float y, int killerTeam, int)
{
    alertWitnesses(world.actors, world.player, x, y, killerTeam, KILL_MOOD_CHANGE);
}
