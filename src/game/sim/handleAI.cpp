#include "game/CGame.h"

#include <cmath>
#include <cstdlib>

#include "world/AIActor.h"
#include "world/CopActor.h"
#include "world/MotionSteps.h"
#include "world/Weapon.h"
#include "world/GameRandom.h"

namespace {

// An officer this close to the point it was sent to has arrived there.
const float ARRIVAL_DISTANCE = 60.0f;
// An arrived officer with the player farther than this gives up the chase.
const float PURSUIT_DISTANCE = 1700.0f;
// An arrived officer this angry with the player's side turns on the player.
const int PURSUIT_MOOD = -5;
// Bullets and casings appear this far in front of the officer.
const float MUZZLE_DISTANCE = 25.0f;

// One coordinate of the point near itself a cornered NPC flees from:
// -30..29, but straight on that axis one time in four.
int wayOutOffset()
{
    int offset = gameRand() % 60 - 30;
    if (gameRand() % 4 == 1)
        offset = 0;
    return offset;
}

// Whether the body may not go from (x, y) to (newX, newY): a long step is
// tested at every quarter tile along the way, so it cannot jump a wall.
bool stepBlocked(CGame& g, float x, float y, float newX, float newY)
{
    float dx = newX - x, dy = newY - y;
    int parts = motionParts(std::fabs(dx) > std::fabs(dy) ? dx : dy);
    for (int i = 1; i < parts; i++) {
        float t = (float)i / (float)parts;
        if (g.playerCollision(x + dx * t, y + dy * t))
            return true;
    }
    return g.playerCollision(newX, newY);
}

} // namespace

// Moves, turns, animates and (police) fires for every NPC that is not idle.
// The player and plain actors without behaviour are left alone.
void CGame::handleAI()
{
    for (size_t i = 0; i < world.actors.size(); i++) {
        if (world.actors[i] == world.player)
            continue;
        AIActor* npc = dynamic_cast<AIActor*>(world.actors[i]);
        // An idle NPC does not move, turn, animate or advance its timers.
        if (!npc || npc->getState() == STATE_IDLE)
            continue;

        float newX = npc->getNewX(delta);
        float newY = npc->getNewY(delta);
        bool moved = newX != npc->x || newY != npc->y;

        if (moved && stepBlocked(*this, npc->x, npc->y, newX, newY)) {
            // Only a fleeing NPC looks for another way out; any other blocked
            // NPC waits, its timers stopped, until its way is free.
            if (npc->getState() == STATE_SCARED) {
                if (npc->getHealth() < npc->getHealthMax())
                    events.post(GameEventKind::NPC_BLED,
                                bloodSplashes(gameRand() % 6, npc->x, npc->y));
                int ox = wayOutOffset();
                int oy = wayOutOffset();
                npc->alertHostile(npc->x + ox, npc->y + oy);
            }
            continue;
        }

        npc->update(delta);
        // Face the direction of the step, at most eight times a second.
        if (npc->readyToChangeDirection()) {
            npc->rotateTo(newX, newY);
            npc->rotate(-180);
        }
        if (moved) {
            npc->x = newX;
            npc->y = newY;
            npc->updateTimer(delta);
        }

        // The state is read anew: the update may have calmed an officer.
        switch (npc->getState()) {
        case STATE_WALKING:
            if (npc->reachedDestination())
                npc->setState(STATE_IDLE);
            break;
        case STATE_FIRING: {
            float tx = npc->getTargetX();
            float ty = npc->getTargetY();
            Weapon* gun = npc->getGun();
            CopActor* cop = npc->isCop() ? dynamic_cast<CopActor*>(npc) : nullptr;
            if (gun && npc->distance(tx, ty) <= gun->getRange() && cop
                && cop->canSeeHostile(tx, ty, theMap.get()) && cop->fireAt(tx, ty, world.shots, delta) > 0) {
                gun->setInClip(gun->getInClip() - 1);
                GameEvent fired{GameEventKind::NPC_FIRED, gun->sound, 1, {}};
                fired.marks.push_back(bulletCasing(npc->getRotation() + (gameRand() % 50 - 50),
                    npc->getForwardX(MUZZLE_DISTANCE), npc->getForwardY(MUZZLE_DISTANCE)));
                events.post(std::move(fired));
            }
            if (npc->distance(tx, ty) < ARRIVAL_DISTANCE && world.player) {
                if (npc->distance(world.player->x, world.player->y) > PURSUIT_DISTANCE)
                    npc->setState(STATE_CAUTION);
                else if (npc->getMood(world.player->team) < PURSUIT_MOOD)
                    npc->alertHostile(world.player->x, world.player->y);
            }
            break;
        }
        default:
            break;
        }
    }
}
