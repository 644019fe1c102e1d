#pragma once

#include "world/DrugPill.h"

// Power-up consumed on pick-up: restores the player's health to its maximum.
class HealthPill : public DrugPill {
public:
    HealthPill();
};
