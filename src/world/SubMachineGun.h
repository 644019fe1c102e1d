#pragma once

#include "world/Weapon.h"

// Rapid fire, two bullets per pull, low damage.
class SubMachineGun : public Weapon {
public:
    SubMachineGun();
};
