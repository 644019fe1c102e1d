#include "world/Corpse.h"
#include "world/Weapon.h"
#include "world/SpriteIndex.h"

namespace {

// Seconds between two sprays of blood from an active corpse.
const float BLEED_INTERVAL = 0.65f;
// Image of a civilian's body in the actor sprite set.

}  // namespace

Corpse::Corpse() : bActivelyBleeding(true) {
    x = 0.0f;
    y = 0.0f;
    team = -1;
    spriteTimer = 0.0f;
    heading = 0.0;
    curFrame = 0;
    numSprites = 1;
    portrait = 0;
    startSprite = SpriteIndex::CIVILIAN_CORPSE;
    inTemporaryFrame = false;
    myGun.reset();
}

Corpse::~Corpse() = default;

float Corpse::getNewX(float) { return x; }
float Corpse::getNewY(float) { return y; }

void Corpse::updateTimer(float delta) { spriteTimer += delta; }
void Corpse::temporaryFrame(int) {}
void Corpse::step(float) {}
Weapon* Corpse::getGun() const { return nullptr; }
void Corpse::setGun(std::unique_ptr<Weapon>) {}

void Corpse::setFrame(int frame) { startSprite = frame; }

bool Corpse::isActive() const { return bActivelyBleeding; }
void Corpse::setActive(bool active) { bActivelyBleeding = active; }

bool Corpse::shouldBleed() {
    if (spriteTimer >= BLEED_INTERVAL && bActivelyBleeding) {
        spriteTimer = 0.0f;
        return true;
    }
    return false;
}
