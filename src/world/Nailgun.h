#pragma once

#include "world/Weapon.h"

// Short-range tool that fires nails (its own bullet image).
class Nailgun : public Weapon {
public:
    Nailgun();
};
