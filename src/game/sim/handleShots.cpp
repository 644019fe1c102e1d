#include "game/CGame.h"

#include <cstdlib>

#include "data/ConfLoader.h"
#include "world/Actor.h"
#include "world/Bullet.h"
#include "world/Effect.h"
#include "world/Map.h"
#include "world/Weapon.h"
#include "world/GameRandom.h"

// One frame of the bullets: carried guns count down their refresh time, then
// every bullet flies its frame's distance and meets an actor of another team,
// a wall or the end of its range.
void CGame::handleShots()
{
    for (Actor* a : world.actors) {
        if (Weapon* gun = a->getGun())
            gun->update(delta);
    }
    float multiplier = conf->getValue("BULLET_SPEED_MULTIPLIER");

    ShotPassHooks hooks;
    hooks.resolveHit = [this](Bullet& b) {
        for (Actor* a : world.actors) {
            if (!b.canHit(a->team, a->x, a->y))
                continue;
            if (a == world.player)
                events.post(GameEventKind::PLAYER_HURT);
            a->hurt(b.damage);
            AI_actorShot(a->x, a->y, b.team, a->team);
            events.post(GameEventKind::ACTOR_HIT,
                        bloodSplashes(gameRand() % 10, b.bloodX(), b.bloodY()));
            // killActor takes a out of actors; the walk ends here anyway.
            if (a->getHealth() < 1)
                killActor(a, b.team);
            return true;
        }
        return false;
    };
    hooks.isBulletSolid = [this](float x, float y) { return theMap->isBulletSolid(x, y); };
    hooks.spawnBulletHole = [this](const Bullet& b) {
        events.post(GameEventKind::BULLET_SPENT, {bulletHole(b.holeAngle(), b.x, b.y)});
    };
    moveShots(world.shots, delta, multiplier, hooks);
}
