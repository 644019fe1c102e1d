#include "game/CGame.h"

#include "world/Actor.h"
#include "world/Corpse.h"
#include "world/Weapon.h"

namespace {

const float PROBE_SIZE = 48.0f;

}  // namespace

// The first corpse on the map touching the 48 x 48 box at (x, y), whether
// on screen or not.
Corpse* CGame::getCorpseAt(float x, float y)
{
    for (Corpse* c : world.corpses) {
        if (c->collides(x, y, PROBE_SIZE, PROBE_SIZE))
            return c;
    }
    return nullptr;
}

// Whether the player, at (x, y), stands over a corpse that can be picked up
// (only active, that is on-screen, corpses can).
void CGame::detectOverCorpse(float x, float y)
{
    play.bIsOverCorpse = false;
    for (Corpse* c : world.corpses) {
        if (c->isActive() && c->collides(x, y, PROBE_SIZE, PROBE_SIZE)) {
            play.bIsOverCorpse = true;
            return;
        }
    }
}

// Whether the use key takes the corpse underfoot before the gun lying there:
// when the player already holds a gun, the body is what he came for (he can
// still take the gun once the body is moved). Everywhere else the item
// underfoot comes first.
bool CGame::useTakesCorpse()
{
    if (play.survival.active || !play.bIsOverCorpse || play.bIsLuggingCorpse || !world.player || !world.player->getGun())
        return false;
    Weapon* w = getWeaponAt(world.player->x, world.player->y);
    return w != nullptr && !w->isPowerup();
}
