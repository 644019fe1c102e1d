#include "game/CGame.h"

#include "world/StaticEntity.h"

namespace {
// Portrait of the information sign.
const int SIGN_PORTRAIT = 3;
}

// The entity triggers at the player's position, checked on every frame in
// which the player tries to move: the first message zone holding the point
// (re)opens the conversation box at full time, and the first script zone
// runs its script, again on every such frame.
void CGame::detectEntities(float x, float y)
{
    if (StaticEntity* message = world.ents.getEntity(x, y, STENT_AREAMESSAGE)) {
        showConversation(message->getString(), SIGN_PORTRAIT);
    }
    if (StaticEntity* area = world.ents.getEntity(x, y, STENT_AREASCRIPT)) {
        // A copy: the script may clear the entities while it runs.
        std::string scriptFile = area->getString();
        runScript(scriptFile.c_str());
    }
}
