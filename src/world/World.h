#pragma once
// The things of a level: its actors (the player among them), larders,
// bullets in flight, items on the ground, effects, corpses and static
// entities. Each list owns its elements (world/WorldList.h); a thing enters
// the world with put and leaves it with take, drop, dropIf or clear.
#include <memory>

#include "world/StaticEntityManager.h"
#include "world/WorldList.h"

class Actor;
class Bullet;
class Corpse;
class Effect;
class Larder;
class Weapon;

class World {
public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    OwnedList<Actor> actors;
    OwnedList<Larder> larders;
    OwnedList<Bullet> shots;
    OwnedList<Weapon> items;
    OwnedList<Effect> effects;
    OwnedList<Corpse> corpses;
    StaticEntityManager ents;
    // An element of actors, which owns it; null between games.
    Actor* player = nullptr;
    // The corpse the player drags, out of corpses meanwhile.
    std::unique_ptr<Corpse> luggedCorpse;

    // Destroys the things of the level (not the static entities), the dragged
    // corpse last, and forgets the player.
    void clear();
};
