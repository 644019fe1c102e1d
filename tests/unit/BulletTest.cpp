// Bullets: flight, the trailing point, hit boxes, range and the shot pass.
#include <gtest/gtest.h>

#include <list>
#include <vector>

#include "world/Bullet.h"
#include "world/Pistol.h"

namespace {

std::unique_ptr<Bullet> makeBullet(float x, int range)
{
    auto b = std::make_unique<Bullet>();
    b->x = x;
    b->y = 0.0f;
    b->range = range;
    b->speed = 100.0f;
    return b;
}

}  // namespace

TEST(BulletFlight, StepsAlongItsHeadingAndCountsTheDistance)
{
    Bullet b;
    b.x = 100.0f;
    b.y = 100.0f;
    EXPECT_NEAR(b.getNewX(10.0f), 110.0f, 1e-4);  // heading 0: toward +x
    b.heading = 90.0;                            // up the screen
    b.step(10.0f);
    EXPECT_NEAR(b.x, 100.0f, 1e-4);
    EXPECT_NEAR(b.y, 90.0f, 1e-4);
    EXPECT_FLOAT_EQ(b.distance, 10.0f);

    b.heading = -90.0;  // down the screen
    b.speed = 450.0f;
    b.advance(0.1f, 2.0f);  // speed x delta x multiplier
    EXPECT_NEAR(b.y, 180.0f, 1e-3);
    EXPECT_FLOAT_EQ(b.distance, 100.0f);
    // Blood sprays 10 pixels further on, moved by 24 on each axis.
    EXPECT_NEAR(b.bloodX(), 124.0f, 1e-3);
    EXPECT_NEAR(b.bloodY(), 214.0f, 1e-3);
    EXPECT_EQ(b.holeAngle(), -180.0);

    Bullet t;
    t.x = t.y = t.lastX = t.lastY = 0.0f;
    t.step(3.0f);
    t.step(3.0f);  // the bullet stood 3 away when this step began
    EXPECT_FLOAT_EQ(t.lastX, 0.0f);
    t.step(3.0f);  // now it stood 6 away: the trailing point catches up
    EXPECT_NEAR(t.lastX, 6.0f, 1e-4);
}

TEST(BulletFlight, HitsOnlyOtherTeamsOverlappingTheMiddleOfItsPicture)
{
    Bullet b;
    b.x = 100.0f; // its picture starts here; the bullet is seen at (124, 124)
    b.y = 100.0f;
    EXPECT_FALSE(b.canHit(0, 100.0f, 100.0f)) << "its own team";
    EXPECT_TRUE(b.canHit(2, 100.0f, 100.0f));
    EXPECT_TRUE(b.canHit(1, 72.0f, 72.0f)); // the 8-pixel probe's edges touch
    EXPECT_TRUE(b.canHit(1, 128.0f, 128.0f));
    EXPECT_FALSE(b.canHit(1, 71.5f, 100.0f));
    EXPECT_FALSE(b.canHit(1, 100.0f, 128.5f));
}

TEST(BulletFlight, FlightEndsAtRangeOrWall)
{
    Bullet b;
    b.range = 0;
    b.step(1.0f);
    EXPECT_EQ(b.flightEnd(false), BULLET_SPENT);
    EXPECT_EQ(b.flightEnd(true), BULLET_SPENT) << "at range, a wall still leaves a hole";
    b.range = 100;
    EXPECT_EQ(b.flightEnd(false), BULLET_FLYING);
    EXPECT_EQ(b.flightEnd(true), BULLET_STOPPED);
    b.step(99.0f);
    EXPECT_EQ(b.flightEnd(false), BULLET_SPENT) << "exactly at its range";

    // A pistol bullet at 60 frames per second drops after about 1.56 seconds.
    Pistol pistol;
    std::unique_ptr<Bullet> shot = pistol.fireGun(0.0, true);
    int frames = 0;
    while (shot->flightEnd(false) == BULLET_FLYING && frames < 1000) {
        shot->advance(1.0f / 60.0f, 1.0f);
        frames++;
    }
    EXPECT_EQ(frames, 94);
}

TEST(BulletPass, TheFirstHitEndsThePassAndLaterShotsWait)
{
    OwnedList<Bullet> shots;
    shots.put(makeBullet(0.0f, 1000));
    Bullet* second = shots.put(makeBullet(0.0f, 1000));
    std::vector<const Bullet*> hits;
    ShotPassHooks hooks;
    hooks.resolveHit = [&](Bullet& b) {
        hits.push_back(&b);
        return true;
    };
    hooks.isBulletSolid = [](float, float) { return false; };
    hooks.spawnBulletHole = [](const Bullet&) { ADD_FAILURE() << "no hole expected"; };

    EXPECT_EQ(moveShots(shots, 0.1f, 1.0f, hooks), 1);
    ASSERT_EQ(std::vector<Bullet*>(shots.begin(), shots.end()), std::vector<Bullet*>{second});
    EXPECT_NE(hits[0], second);
    EXPECT_FLOAT_EQ(second->distance, 0.0f) << "waits for the next frame";
    EXPECT_EQ(moveShots(shots, 0.1f, 1.0f, hooks), 1);
    EXPECT_EQ(hits.size(), 2u);
    EXPECT_TRUE(shots.empty());
}

TEST(BulletPass, DroppedBulletsLetThePassGoOn)
{
    OwnedList<Bullet> shots;
    shots.put(makeBullet(500.0f, 1000)); // in a wall
    shots.put(makeBullet(0.0f, 0));      // spent
    Bullet* flying = shots.put(makeBullet(0.0f, 1000));
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
    EXPECT_EQ(holes, 1) << "only the spent one leaves a hole";
    EXPECT_NEAR(holeX, 20.0f, 1e-3);
    ASSERT_EQ(std::vector<Bullet*>(shots.begin(), shots.end()), std::vector<Bullet*>{flying});
    EXPECT_NEAR(flying->x, 20.0f, 1e-3);
}
