#pragma once
// The level's static entities (spawn points, message and script areas) and
// the reader of the entity file, which also places the level's weapons,
// pills and larders.
#include <vector>

#include "world/WorldList.h"

#include "world/StaticEntity.h"

class Actor;
class Weapon;
class Larder;

class StaticEntityManager {
public:
    StaticEntityManager() = default;
    ~StaticEntityManager();
    StaticEntityManager(const StaticEntityManager&) = delete;
    StaticEntityManager& operator=(const StaticEntityManager&) = delete;

    // Reads an entity file: static entities into ents, weapons and pills
    // into items, larders into larders. Problems are reported per line and
    // loading goes on; a missing file loads nothing.
    void load(const char* filename, OwnedList<Weapon>& items, OwnedList<Larder>& larders);
    // Creates an entity, appends it to ents and returns it (ents keeps it).
    StaticEntity* newEntity(StaticEntityType type, int x, int y, int radius);
    // The first entity of the type, in file order, whose radius holds the
    // point, or null.
    StaticEntity* getEntity(float x, float y, StaticEntityType type);
    // Puts the player on a random hospital spawn point (bDied) or jail spawn
    // point, or at (10, 10) when there is none; takes its weapon out of its
    // hands (the caller has put it on the map) and sets its health to 10.
    void respawnPlayer(Actor* player, bool bDied);
    // Deletes every entity.
    void clear();

    // In file order.
    OwnedList<StaticEntity> ents;
};
