#pragma once
#include <vector>

class Actor;
class Weapon;
class Larder;

// The level's static entities (spawn points, message and script areas) and
// the reader of the entity file. Only emptying exists so far: the entity
// file and its triggers are not read yet, so a level has no entities.
class StaticEntityManager {
public:
    void clear() {}
    // Revival at a hospital: without spawn points the player stays where it
    // fell; it loses its weapon and wakes with 10 health.
    void respawnPlayer(Actor* player, bool removeWeapon);
};
