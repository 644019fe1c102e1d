#include "game/CGame.h"

#include <cstring>

#include "world/AIActor.h"
#include "world/Bullet.h"
#include "world/Corpse.h"
#include "world/GameRandom.h"
#include "world/Weapon.h"

namespace {
// FNV-1a over the bytes of each value mixed in.
class Checksum {
public:
    uint32_t value = 2166136261u;
    template <typename T> void mix(T v)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &v, sizeof(T));
        for (unsigned char b : bytes)
            value = (value ^ b) * 16777619u;
    }
};

void mixActor(Checksum& c, Actor* a)
{
    c.mix(a->x);
    c.mix(a->y);
    c.mix(a->getRotation());
    c.mix(a->getHealth());
    c.mix(a->team);
    AIActor* npc = dynamic_cast<AIActor*>(a);
    c.mix(npc ? (int)npc->getState() : -1);
    Weapon* gun = a->getGun();
    c.mix(gun ? gun->getInClip() : -1);
}
}

// A fingerprint of the world: every actor, item, corpse and bullet, the
// combo, the survival clock and the random generator. Two runs that end with
// the same value ended in the same state.
uint32_t CGame::worldChecksum()
{
    Checksum c;
    c.mix((uint32_t)world.actors.size());
    for (Actor* a : world.actors)
        mixActor(c, a);
    c.mix((uint32_t)world.items.size());
    for (Weapon* w : world.items) {
        c.mix(w->x);
        c.mix(w->y);
        c.mix(w->getType());
    }
    c.mix((uint32_t)world.corpses.size());
    for (Corpse* k : world.corpses) {
        c.mix(k->x);
        c.mix(k->y);
    }
    c.mix((uint32_t)world.shots.size());
    for (Bullet* b : world.shots) {
        c.mix(b->x);
        c.mix(b->y);
    }
    c.mix(play.bIsLuggingCorpse);
    c.mix(play.inLarder);
    c.mix(play.combo.number);
    c.mix(play.combo.timer);
    c.mix(play.slowMoTimer);
    c.mix(play.survival.score);
    c.mix(play.survival.minutes);
    c.mix(play.survival.seconds);
    c.mix(gameRandom().getState());
    return c.value;
}
