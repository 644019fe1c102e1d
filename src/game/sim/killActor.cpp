#include "game/CGame.h"

#include "world/WorldList.h"

#include "audio/SoundEffectManager.h"
#include "world/Actor.h"
#include "world/Corpse.h"
#include "world/Weapon.h"
#include "world/SpriteIndex.h"
#include "audio/SampleIndex.h"
#include "render/HudMath.h"

namespace {

// From this many kills in a chain on, every kill heals the player.
const int COMBO_HEAL_FROM = 10;
const int COMBO_HEAL = 10;
const unsigned COMBO_CHANNEL = 3;
const unsigned DEATH_CHANNEL = 2;

}  // namespace

// Turns a dead character into a corpse: its gun drops to the map, a kill by
// the player's side feeds the combo, and the characters around hear of it.
// The player's own death is handled by the play loop, not here.
void CGame::killActor(Actor* victim, int killerTeam)
{
    if (victim == player)
        return;

    if (player && killerTeam == player->team) {
        combo.timer = HudMath::COMBO_SECONDS;
        combo.number += 1;
        if (survival.active)
            survival.score += 1;
        if (combo.number >= COMBO_HEAL_FROM) {
            sfx->playSample(SampleIndex::CHIME, true, COMBO_CHANNEL);
            player->hurt(-COMBO_HEAL);
        }
    }

    gameAssert(victim != nullptr, "killActor", 31);
    float x = victim->x;
    float y = victim->y;
    double heading = victim->getRotation();
    int victimTeam = victim->team;
    WorldList::take(actors, victim);
    bool wasCop = victim->isCop();

    if (Weapon* gun = victim->getGun()) {
        gun->x = x;
        gun->y = y;
        WorldList::put(items, gun);
        victim->setGun(nullptr);
    }
    delete victim;

    AI_actorKilled(x, y, killerTeam, victimTeam);
    sfx->playSample(SampleIndex::DEATH, true, DEATH_CHANNEL);

    Corpse* body = new Corpse();
    body->x = x;
    body->y = y;
    body->setRotation(heading);
    if (wasCop)
        body->setFrame(SpriteIndex::POLICE_CORPSE);
    WorldList::put(corpses, body);
}
