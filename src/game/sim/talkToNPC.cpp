#include "game/CGame.h"

#include "world/AIActor.h"

// Talks to the first computer-controlled character within `range` of the
// point, in actor order. Bodies that cannot talk (the player, plain actors)
// are passed over. Nobody near: the conversation box closes.
void CGame::talkToNPC(float x, float y, float range)
{
    for (Actor* actor : world.actors) {
        if (actor == world.player || !dynamic_cast<AIActor*>(actor))
            continue;
        if (actor->distance(x, y) <= range) {
            talkToNPC(actor);
            return;
        }
    }
    play.bIsTalking = false;
}

// A character that is not afraid of or hostile to the player turns to face
// him and says its line of dialogue, or runs its conversation script, which
// speaks for itself. Otherwise there is no answer and the text is emptied.
void CGame::talkToNPC(Actor* theact)
{
    play.talkingConversation = "";
    AIActor* npc = dynamic_cast<AIActor*>(theact);
    if (!npc || !world.player)
        return;
    ActorState state = npc->getState();
    if (npc->getMood(world.player->team) < 0 || state == STATE_SCARED || state == STATE_HOSTILE)
        return;

    npc->rotateTo(world.player->x, world.player->y);
    npc->rotate(-180);

    if (!npc->hasScript()) {
        showConversation(npc->getDialogue(), npc->getPortrait());
    } else {
        // A copy: the script may remove the character while it runs.
        std::string scriptFile = npc->talkScriptFilename;
        runScript(scriptFile.c_str());
    }
}
