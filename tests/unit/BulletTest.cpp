#include <gtest/gtest.h>

#include <list>
#include <vector>

#include "world/Bullet.h"
#include "world/Pistol.h"

namespace {

Bullet* makeBullet(float x, float y, double heading, int range, float speed)
{
    Bullet* b = new Bullet();
    b->x = x;
    b->y = y;
    b->heading = heading;
    b->range = range;
    b->speed = speed;
    return b;
}

template <typename ShotList>
void deleteAll(ShotList& shots)
{
    for (Bullet* b : shots)
        delete b;
    shots.clear();
}

}  // namespace

TEST(BulletTest, StartsWithItsDefaults)
{
    Bullet b;
    EXPECT_EQ(b.graphic, 9);
    EXPECT_EQ(b.team, 0);
    EXPECT_FLOAT_EQ(b.distance, 0.0f);
    EXPECT_EQ(b.heading, 0.0);
    EXPECT_FLOAT_EQ(b.x, 45.0f);
    EXPECT_FLOAT_EQ(b.y, 45.0f);
}

TEST(BulletTest, StepsAlongItsHeading)
{
    Bullet b;
    b.x = 100.0f;
    b.y = 100.0f;
    EXPECT_NEAR(b.getNewX(10.0f), 110.0f, 1e-4);  // heading 0: toward +x
    EXPECT_NEAR(b.getNewY(10.0f), 100.0f, 1e-4);
    EXPECT_FLOAT_EQ(b.x, 100.0f);                  // asking does not move

    b.heading = 90.0;                               // up the screen
    b.step(10.0f);
    EXPECT_NEAR(b.x, 100.0f, 1e-4);
    EXPECT_NEAR(b.y, 90.0f, 1e-4);
    EXPECT_FLOAT_EQ(b.distance, 10.0f);

    b.heading = -90.0;                              // down the screen
    b.advance(0.5f, 2.0f);                          // speed x delta x multiplier
    EXPECT_FLOAT_EQ(b.distance, 10.0f);             // speed 0 moves nothing
    b.speed = 450.0f;
    b.advance(0.1f, 2.0f);
    EXPECT_NEAR(b.y, 180.0f, 1e-3);
    EXPECT_FLOAT_EQ(b.distance, 100.0f);

    // Blood sprays 10 pixels further on, moved by 24 on each axis.
    EXPECT_NEAR(b.bloodX(), 124.0f, 1e-3);
    EXPECT_NEAR(b.bloodY(), 214.0f, 1e-3);
    EXPECT_EQ(b.holeAngle(), -180.0);
}

TEST(BulletTest, TrailingPointFollowsInStridesOfFour)
{
    Bullet b;
    b.x = 0.0f;
    b.y = 0.0f;
    b.lastX = 0.0f;
    b.lastY = 0.0f;
    b.step(3.0f);
    EXPECT_FLOAT_EQ(b.lastX, 0.0f);
    b.step(3.0f);  // the bullet stood 3 away when this step began
    EXPECT_FLOAT_EQ(b.lastX, 0.0f);
    b.step(3.0f);  // now it stood 6 away: the trailing point catches up
    EXPECT_NEAR(b.lastX, 6.0f, 1e-4);
    EXPECT_FLOAT_EQ(b.lastY, 0.0f);
}

TEST(BulletTest, HitsOnlyOtherTeamsOverlappingIt)
{
    Bullet b;
    b.x = 100.0f;
    b.y = 100.0f;
    b.team = 0;
    EXPECT_FALSE(b.canHit(0, 90.0f, 90.0f));  // its own team
    EXPECT_TRUE(b.canHit(2, 90.0f, 90.0f));
    EXPECT_TRUE(b.canHit(1, 52.0f, 52.0f));   // edges touch
    EXPECT_TRUE(b.canHit(1, 108.0f, 108.0f));
    EXPECT_FALSE(b.canHit(1, 51.5f, 100.0f));
    EXPECT_FALSE(b.canHit(1, 100.0f, 108.5f));
}

TEST(BulletTest, FlightEndsAtRangeOrWall)
{
    Bullet b;
    b.range = 0;
    b.step(1.0f);
    EXPECT_EQ(b.flightEnd(false), BULLET_SPENT);  // range 0 drops after a step
    EXPECT_EQ(b.flightEnd(true), BULLET_SPENT);   // at range, a wall still leaves a hole

    b.range = 100;
    EXPECT_EQ(b.flightEnd(false), BULLET_FLYING);
    EXPECT_EQ(b.flightEnd(true), BULLET_STOPPED);

    // A pistol bullet at 60 frames per second drops after about 1.56 seconds.
    Pistol pistol;
    Bullet* shot = pistol.fireGun(0.0, true);
    int frames = 0;
    while (shot->flightEnd(false) == BULLET_FLYING && frames < 1000) {
        shot->advance(1.0f / 60.0f, 1.0f);
        frames++;
    }
    EXPECT_EQ(frames, 94);
    delete shot;
}

TEST(BulletTest, PassEndsAtTheFirstHit)
{
    std::vector<Bullet*> shots;  // the game keeps its shots in a vector
    Bullet* first = makeBullet(0.0f, 0.0f, 0.0, 1000, 100.0f);
    Bullet* second = makeBullet(0.0f, 0.0f, 0.0, 1000, 100.0f);
    shots.push_back(first);
    shots.push_back(second);

    std::vector<const Bullet*> hits;
    ShotPassHooks hooks;
    hooks.resolveHit = [&](Bullet& b) {
        hits.push_back(&b);
        return true;
    };
    hooks.isBulletSolid = [](float, float) { return false; };
    hooks.spawnBulletHole = [](const Bullet&) { ADD_FAILURE() << "no hole expected"; };

    EXPECT_EQ(moveShots(shots, 0.1f, 1.0f, hooks), 1);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0], first);
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots.front(), second);
    EXPECT_FLOAT_EQ(second->distance, 0.0f);  // waits for the next frame

    EXPECT_EQ(moveShots(shots, 0.1f, 1.0f, hooks), 1);
    EXPECT_EQ(hits.size(), 2u);
    EXPECT_TRUE(shots.empty());
}

TEST(BulletTest, DroppedBulletsLetThePassGoOn)
{
    std::list<Bullet*> shots;
    Bullet* inWall = makeBullet(500.0f, 0.0f, 0.0, 1000, 100.0f);
    Bullet* spent = makeBullet(0.0f, 0.0f, 0.0, 0, 100.0f);
    Bullet* flying = makeBullet(0.0f, 0.0f, 0.0, 1000, 100.0f);
    shots.push_back(inWall);
    shots.push_back(spent);
    shots.push_back(flying);

    int holes = 0;
    float holeX = 0.0f;
    ShotPassHooks hooks;
    hooks.resolveHit = [](Bullet&) { return false; };
    hooks.isBulletSolid = [](float x, float) { return x >= 480.0f; };
    hooks.spawnBulletHole = [&](const Bullet& b) {
        holes++;
        holeX = b.x;
    };

    EXPECT_EQ(moveShots(shots, 0.1f, 2.0f, hooks), 3);
    EXPECT_EQ(holes, 1);                   // only the spent one leaves a hole
    EXPECT_NEAR(holeX, 20.0f, 1e-3);
    ASSERT_EQ(shots.size(), 1u);
    EXPECT_EQ(shots.front(), flying);
    EXPECT_NEAR(flying->x, 20.0f, 1e-3);
    deleteAll(shots);
}
