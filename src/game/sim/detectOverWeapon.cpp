#include "game/CGame.h"

#include "world/Weapon.h"

namespace {
// The searching body: a full sprite square from the given corner.
const float PROBE_SIZE = 48.0f;
}

// The first item in list order that overlaps the 48 x 48 box at (x, y); it
// stays in the list.
Weapon* CGame::getWeaponAt(float x, float y)
{
    for (Weapon* w : world.items) {
        if (w->collides(x, y, PROBE_SIZE, PROBE_SIZE))
            return w;
    }
    return nullptr;
}

// Whether an item lies under the body at (x, y), and whether it is a pill,
// for the pick-up prompt and the use key.
void CGame::detectOverWeapon(float x, float y)
{
    play.bIsOverWeapon = false;
    play.bIsOverPowerup = false;
    if (Weapon* w = getWeaponAt(x, y)) {
        play.bIsOverWeapon = true;
        play.bIsOverPowerup = w->getType() == WEAPON_TYPE_DRUG_PILL;
    }
}
