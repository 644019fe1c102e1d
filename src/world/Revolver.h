#pragma once

#include "world/Weapon.h"

// Heavy handgun: six exact, very hard-hitting shots over a long range.
class Revolver : public Weapon {
public:
    Revolver();
};
