#pragma once

#include "world/Weapon.h"

// Light handgun: a fast clip of 17 with a slight spread.
class Pistol : public Weapon {
public:
    Pistol();
};
