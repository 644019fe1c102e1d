#pragma once

#include "world/Weapon.h"

// Assault rifle: three bullets per pull at a high rate.
class MicroAR : public Weapon {
public:
    MicroAR();
};
