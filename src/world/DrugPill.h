#pragma once

#include "world/Weapon.h"

// Power-up consumed on pick-up: starts a spell of slow motion.
class DrugPill : public Weapon {
public:
    DrugPill();
};
