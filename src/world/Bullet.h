#pragma once

#include <functional>
#include <list>
#include <vector>

#include "world/WorldList.h"

// Size of the square probe with which a bullet meets actors.
const float BULLET_PROBE_SIZE = 8.0f;
// A bullet is drawn as a picture of this size with its top-left corner at its
// position; the bullet itself is the middle of that picture, and walls and
// actors meet it there.
const float BULLET_PICTURE_SIZE = 48.0f;

// How a bullet's flight stands after a move that hit nobody.
enum BulletEnd {
    BULLET_FLYING,   // goes on
    BULLET_STOPPED,  // stopped by a solid tile short of its range: no hole
    BULLET_SPENT     // flew its range: leaves a bullet hole
};

// A bullet in flight. The game owns the bullets in its shot list.
class Bullet {
public:
    Bullet();

    int damage;
    int graphic;
    int range;
    int team;       // the shooter's team; never hits an actor of this team
    float distance; // pixels flown so far
    float speed;    // pixels per second before the configured multiplier
    float lastX, lastY;
    double heading;
    float x, y;

    // The point reached by moving `d` along the heading; no change to the bullet.
    float getNewX(float d) const;
    float getNewY(float d) const;
    // Moves the bullet by `d` pixels along its heading and counts the distance.
    void step(float d);
    // The bullet's move for one frame: speed x delta x multiplier, stepped.
    void advance(float delta, float multiplier);

    // The middle of the bullet's picture: where it is seen, and where it
    // meets walls and actors.
    float centreX() const { return x + BULLET_PICTURE_SIZE / 2; }
    float centreY() const { return y + BULLET_PICTURE_SIZE / 2; }

    // Whether this bullet hits an actor of `actorTeam` whose 48 x 48 box has its
    // top-left corner at (ax, ay): the probe is centred on the bullet's middle.
    // Called for every bullet and actor each frame, so it is inline.
    bool canHit(int actorTeam, float ax, float ay) const
    {
        const float actorSize = 48.0f;
        float px = centreX() - BULLET_PROBE_SIZE / 2, py = centreY() - BULLET_PROBE_SIZE / 2;
        return actorTeam != team && ay + actorSize >= py && ay <= py + BULLET_PROBE_SIZE &&
               ax + actorSize >= px && ax <= px + BULLET_PROBE_SIZE;
    }
    // After a move that hit nobody: has the bullet flown its range, or does it
    // stand in a tile that stops bullets (`inSolidTile`)?
    BulletEnd flightEnd(bool inSolidTile) const;

    // Where the blood of a hit sprays: 10 pixels further along the path from
    // the bullet's middle.
    float bloodX() const { return getNewX(10.0f) + BULLET_PICTURE_SIZE / 2; }
    float bloodY() const { return getNewY(10.0f) + BULLET_PICTURE_SIZE / 2; }
    // Angle at which the hole of a spent bullet is drawn.
    double holeAngle() const { return heading - 90.0; }
};

// What one pass over the bullets needs from the game.
struct ShotPassHooks {
    // Finds the first actor, in list order, that the bullet hits and resolves
    // the hit (hurt, alerts, blood, sample, kill). True when an actor was hit.
    std::function<bool(Bullet&)> resolveHit;
    // The map stops bullets at this point (the bullet's middle).
    std::function<bool(float, float)> isBulletSolid;
    // Leaves a bullet hole for a bullet that flew its range.
    std::function<void(const Bullet&)> spawnBulletHole;
};

// Moves every bullet of `shots` in list order for one frame. A bullet that hits
// an actor is deleted and ends the pass: the bullets after it wait for the next
// frame. A bullet that flew its range or entered a solid tile is deleted and the
// pass goes on with the next one. The hooks must not add or remove bullets.
// Returns the number of bullets moved.
int moveShots(OwnedList<Bullet>& shots, float delta, float multiplier, const ShotPassHooks& hooks);
