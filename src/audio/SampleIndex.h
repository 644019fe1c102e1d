#pragma once
// The sound samples ("data/sounds") that the code plays by number, in the
// order tools/gen_sounds.py writes them.
namespace SampleIndex {
const unsigned SMG = 0;
const unsigned REVOLVER = 1;
const unsigned SHOTGUN = 2;
const unsigned MICRO_AR = 3;
const unsigned DRY_CLICK = 4;
const unsigned BULLET_HIT = 5;
const unsigned RELOAD = 6;
const unsigned PISTOL = 7;
const unsigned DEATH = 8;
const unsigned NAILGUN = 9;
const unsigned CHIME = 10; // a health pack taken, a healing kill
const unsigned LARDER = 11;
} // namespace SampleIndex
