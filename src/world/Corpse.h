#pragma once
// The body a killed character leaves behind. It lies still where its owner
// fell, carries nothing and shows one image; while it is on screen (or being
// dragged) it is active: it bleeds and can be picked up.
#include "world/Actor.h"

class Weapon;

class Corpse : public Actor {
public:
    Corpse();
    ~Corpse() override;

    // A corpse never moves by itself: both answer the current position.
    float getNewX(float distance) override;
    float getNewY(float distance) override;

    // These replace the actor's animation and weapon handling: a corpse only
    // counts time for its bleeding, has no frames to show and holds no gun.
    void updateTimer(float delta);
    void temporaryFrame(int spriteId);
    void step(float distance);
    Weapon* getGun() const;
    void setGun(std::unique_ptr<Weapon> target);

    // The image drawn (17 a civilian's body, 33 a police officer's).
    void setFrame(int frame);

    bool isActive() const;
    void setActive(bool active);
    // True once every 0.65 s of counted time while active; answering true
    // restarts the count.
    bool shouldBleed();

    // On screen (or dragged) and therefore bleeding and available to pick up;
    // the drawing pass sets it every frame.
    bool bActivelyBleeding;
};
