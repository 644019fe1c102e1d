#pragma once
// The sound samples ("data/sounds") that the code plays by number, in the
// order tools/gen_sounds.py writes them.
namespace SampleIndex {
// Each weapon's shot.
const unsigned SMG = 0, REVOLVER = 1, SHOTGUN = 2, MICRO_AR = 3, PISTOL = 7, NAILGUN = 9;
// An empty trigger, a reload, a bullet hitting someone, a death.
const unsigned DRY_CLICK = 4, RELOAD = 6, BULLET_HIT = 5, DEATH = 8;
// A health pack taken or a healing kill; a corpse stored in a larder.
const unsigned CHIME = 10, LARDER = 11;
} // namespace SampleIndex
