// Corpses, larders and effects as plain objects: bleeding rhythm, the
// storing animation, reach and overlap of a larder, drifting effects.
#include <gtest/gtest.h>

#include "world/Effect.h"
#include "world/Corpse.h"
#include "world/Larder.h"
#include "world/Weapon.h"

TEST(Corpse, LiesStillHoldsNoGunAndBleedsEverySixtyFiveHundredths)
{
    Corpse c;
    c.x = 100;
    c.step(30);
    c.temporaryFrame(3);
    c.updateTimer(5.0f);
    EXPECT_FLOAT_EQ(c.x, 100);
    EXPECT_EQ(c.getSpriteID(), 17) << "no animation";
    c.setGun(std::make_unique<Weapon>());
    EXPECT_EQ(c.getGun(), nullptr);

    Corpse d;
    d.updateTimer(0.64f);
    EXPECT_FALSE(d.shouldBleed());
    d.updateTimer(0.01f);
    EXPECT_TRUE(d.shouldBleed());
    EXPECT_FALSE(d.shouldBleed()) << "bleeding restarts the count";
    d.updateTimer(1.0f);
    d.setActive(false);
    EXPECT_FALSE(d.shouldBleed());
    d.setActive(true);
    EXPECT_TRUE(d.shouldBleed()) << "time counted while inactive is kept";
}

TEST(Larder, StoringAnimationShowsThreeFramesThenRests)
{
    Larder l;
    l.update(1.0f);
    EXPECT_EQ(l.getFrame(), 37) << "idle larders do not animate";
    l.freeze(nullptr);
    EXPECT_EQ(l.numFrozen(), 0);

    Corpse c;
    l.freeze(&c);
    l.update(0.24f);
    EXPECT_EQ(l.getFrame(), 37);
    l.update(0.01f);
    EXPECT_EQ(l.getFrame(), 38);
    l.update(0.25f);
    EXPECT_EQ(l.getFrame(), 39);

    l.freeze(&c);  // a second corpse restarts the animation
    EXPECT_EQ(l.numFrozen(), 2);
    EXPECT_EQ(l.getFrame(), 37);
    for (int i = 0; i < 4; i++)
        l.update(0.25f);
    EXPECT_EQ(l.getFrame(), 37) << "the animation has ended";
}

TEST(Larder, ReachFromTheTruncatedCentreAndTouchingBoxes)
{
    Larder l;
    l.setX(100.7f);
    l.setY(200.2f);
    EXPECT_EQ(l.getSquaredDistance(164, 264), 0) << "centre (164, 264) after truncation";
    EXPECT_EQ(l.getSquaredDistance(164 + 130, 264 + 10), 17000);

    l.setX(100);
    l.setY(100);
    EXPECT_TRUE(l.collides(228, 150, 48, 48));
    EXPECT_FALSE(l.collides(228.5f, 150, 48, 48));
    EXPECT_TRUE(l.collides(52, 52, 48, 48));
    EXPECT_FALSE(l.collides(51, 150, 48, 48));
    EXPECT_FALSE(l.collides(150, 228.5f, 48, 48));
}

TEST(Effect, DriftsAndAges)
{
    Effect marker(40, 10, 100, 0, -70);
    for (int i = 0; i < 4; i++)
        marker.update(0.25f);
    EXPECT_FLOAT_EQ(marker.getX(), 10);
    EXPECT_FLOAT_EQ(marker.getY(), 30);
    EXPECT_FLOAT_EQ(marker.getTimer(), 1.0f);
}
