#pragma once

#include "world/Weapon.h"

// Fires eight short-range pellets per trigger pull for one round of the clip.
class Shotgun : public Weapon {
public:
    Shotgun();
};
