#include "world/Bullet.h"

#include <cmath>

#include "world/MotionSteps.h"

namespace {
// Degrees to radians, in the single precision that all headings use.
const double DEG_TO_RAD = 0.017453292522222223;

float headingRadians(double heading)
{
    return static_cast<float>((heading + 90.0) * DEG_TO_RAD);
}
}

Bullet::Bullet()
    : damage(0), graphic(9), range(0), team(0), distance(0.0f), speed(0.0f),
      lastX(45.0f), lastY(45.0f), heading(0.0), x(45.0f), y(45.0f)
{
}

float Bullet::getNewX(float d) const
{
    return x + std::sin(headingRadians(heading)) * d;
}

float Bullet::getNewY(float d) const
{
    return y + std::cos(headingRadians(heading)) * d;
}

void Bullet::step(float d)
{
    if (std::fabs(x - lastX) >= 4.0f)
        lastX = x;
    if (std::fabs(y - lastY) >= 4.0f)
        lastY = y;
    x = getNewX(d);
    y = getNewY(d);
    distance += d;
}

void Bullet::advance(float delta, float multiplier)
{
    step(speed * delta * multiplier);
}

BulletEnd Bullet::flightEnd(bool inSolidTile) const
{
    if (distance >= static_cast<float>(range))
        return BULLET_SPENT;
    if (inSolidTile)
        return BULLET_STOPPED;
    return BULLET_FLYING;
}

int moveShots(OwnedList<Bullet>& shots, float delta, float multiplier, const ShotPassHooks& hooks)
{
    int moved = 0;
    for (size_t i = 0; i < shots.size();) {
        Bullet* b = shots[i];
        moved++;
        // A long flight is taken in short parts, each meeting actors and walls.
        float flight = b->speed * delta * multiplier;
        int parts = motionParts(flight);
        BulletEnd end = BULLET_FLYING;
        for (int part = 0; part < parts && end == BULLET_FLYING; part++) {
            if (parts == 1)
                b->advance(delta, multiplier);
            else
                b->step(flight / (float)parts);
            if (hooks.resolveHit && hooks.resolveHit(*b)) {
                shots.drop(b);
                return moved;
            }
            // The range is judged at the end of the frame's flight, as for a
            // single step; a wall on the way ends it where it stands.
            bool solid = hooks.isBulletSolid && hooks.isBulletSolid(b->centreX(), b->centreY());
            if (solid || part == parts - 1)
                end = b->flightEnd(solid);
        }
        if (end == BULLET_FLYING) {
            ++i;
            continue;
        }
        if (end == BULLET_SPENT && hooks.spawnBulletHole)
            hooks.spawnBulletHole(*b);
        shots.drop(b);
    }
    return moved;
}
