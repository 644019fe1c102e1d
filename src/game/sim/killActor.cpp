#include "game/CGame.h"

#include <cmath>

#include "world/WorldList.h"

#include "world/Actor.h"
#include "world/Corpse.h"
#include "world/Weapon.h"
#include "world/SpriteIndex.h"
#include "world/Combo.h"

namespace {

// From this many kills in a chain on, every kill heals the player.
const int COMBO_HEAL_FROM = 10;
const int COMBO_HEAL = 10;
// A dropped gun's middle lies this far from the body's middle on each axis it
// falls along: a player standing up to 16 px off the body then has only the
// body underfoot, and one standing on the gun only the gun (a 48-pixel body
// and a 32-pixel item count as overlapping even when their edges only touch).
const float GUN_DROP_REACH = 56.0f;
// Half the body that walls stop.
const float BODY_HALF_SPAN = Actor::WALL_PROBE_SIDE / 2;

// The eight directions a gun may fall in, a 45-degree turn apart from +x
// (heading 0) toward -y (heading 90).
const int DROP_DIRECTIONS[8][2] = {{1, 0},  {1, -1}, {0, -1}, {-1, -1},
                                   {-1, 0}, {-1, 1}, {0, 1},  {1, 1}};

// How far off a body a player may have to stand to have it underfoot, when
// the body lies where no player fits (against a wall, say).
const int STAND_SEARCH = 24;
const int STAND_SEARCH_STEP = 4;

// The spot nearest to (x, y), within STAND_SEARCH on each axis, where a
// player can stand; false when there is none.
bool nearestStandingSpot(CGame& g, float x, float y, float& sx, float& sy)
{
    int best = -1;
    for (int dy = -STAND_SEARCH; dy <= STAND_SEARCH; dy += STAND_SEARCH_STEP)
        for (int dx = -STAND_SEARCH; dx <= STAND_SEARCH; dx += STAND_SEARCH_STEP) {
            int cost = std::abs(dx) + std::abs(dy);
            if ((best < 0 || cost < best) && !g.playerCollision(x + dx, y + dy)) {
                best = cost;
                sx = x + dx;
                sy = y + dy;
            }
        }
    return best >= 0;
}

// Where the gun of a character killed at (x, y), facing `heading`, comes to
// lie: a short way beside the body, trying first the way it faced, then
// further round on either side, on the first spot that a player can stand on
// and reach in a straight step from the body, that no corpse covers, and that
// a player standing on the body (or as near it as he fits) does not touch.
// With no such spot it lies on the body.
void gunDropSpot(CGame& g, float x, float y, double heading, float& gx, float& gy)
{
    gx = x;
    gy = y;
    float standX = x, standY = y;
    bool canStand = nearestStandingSpot(g, x, y, standX, standY);
    float midX = x + Actor::HALF_SIDE, midY = y + Actor::HALF_SIDE;
    int ahead = ((int)std::lround(heading / 45.0) % 8 + 8) % 8;
    for (int turn = 0; turn < 8; turn++) {
        int side = (turn % 2 == 1) ? (turn + 1) / 2 : -(turn / 2); // 0, 1, -1, 2, -2...
        const int* d = DROP_DIRECTIONS[(ahead + side + 8) % 8];
        float cx = midX + d[0] * GUN_DROP_REACH, cy = midY + d[1] * GUN_DROP_REACH;
        float ix = cx - Weapon::ITEM_SIZE / 2, iy = cy - Weapon::ITEM_SIZE / 2;
        // A body can stand centred on the gun, and halfway there from the body.
        if (g.playerCollision(cx - BODY_HALF_SPAN, cy - BODY_HALF_SPAN) ||
            g.playerCollision((midX + cx) / 2 - BODY_HALF_SPAN, (midY + cy) / 2 - BODY_HALF_SPAN))
            continue;
        // The item under a player is found by overlap, touching edges included.
        if (canStand && ix <= standX + Actor::BOX_SIDE && ix + Weapon::ITEM_SIZE >= standX &&
            iy <= standY + Actor::BOX_SIDE && iy + Weapon::ITEM_SIZE >= standY)
            continue;
        bool covered = false;
        for (Corpse* c : g.world.corpses)
            covered = covered || c->collides(ix, iy, Weapon::ITEM_SIZE, Weapon::ITEM_SIZE);
        if (!covered) {
            gx = ix;
            gy = iy;
            return;
        }
    }
}

}  // namespace

// Turns a dead character into a corpse: its gun drops to the map, a kill by
// the player's side feeds the combo, and the characters around hear of it.
// The player's own death is handled by the play loop, not here.
void CGame::killActor(Actor* victim, int killerTeam)
{
    if (victim == world.player)
        return;

    if (world.player && killerTeam == world.player->team) {
        play.combo.timer = Combo::SECONDS;
        play.combo.number += 1;
        if (play.survival.active)
            play.survival.score += 1;
        if (play.combo.number >= COMBO_HEAL_FROM) {
            events.post(GameEventKind::COMBO_HEALED);
            world.player->hurt(-COMBO_HEAL);
        }
    }

    gameAssert(victim != nullptr, "killActor", 31);
    float x = victim->x;
    float y = victim->y;
    double heading = victim->getRotation();
    int victimTeam = victim->team;
    std::unique_ptr<Actor> dead = world.actors.take(victim);
    bool wasCop = victim->isCop();

    // The gun falls beside the body, so that each can be taken on its own.
    if (std::unique_ptr<Weapon> gun = victim->takeGun()) {
        gunDropSpot(*this, x, y, heading, gun->x, gun->y);
        world.items.put(std::move(gun));
    }
    dead.reset();

    AI_actorKilled(x, y, killerTeam, victimTeam);
    events.post(GameEventKind::ACTOR_KILLED);

    Corpse* body = world.corpses.put(std::make_unique<Corpse>());
    body->x = x;
    body->y = y;
    body->setRotation(heading);
    if (wasCop)
        body->setFrame(SpriteIndex::POLICE_CORPSE);
}
