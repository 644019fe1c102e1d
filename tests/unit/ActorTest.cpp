// Actors: stepping, heading arithmetic, animation, sight and their files.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Captured.h"
#include "TempDir.h"
#include "world/Actor.h"
#include "world/Map.h"
#include "world/Pistol.h"

namespace {

// An actor whose protected state the tests may set directly.
class TestActor : public Actor {
public:
    void setFrames(int start, int count) { setAnimation(0, count, 0, start); }
    float timer() const { return spriteTimer; }
};

// Records the x that getNewY sees, to tell the order of a step's two moves.
class OrderProbe : public Actor {
public:
    float seenX = -1.0f;
    float getNewY(float d) override
    {
        seenX = x;
        return Actor::getNewY(d);
    }
};

}  // namespace

TEST(ActorMovement, StepsAlongHeadingXFirst)
{
    Actor a;
    a.x = 100;
    a.y = 100;
    EXPECT_NEAR(a.getNewX(10), 110, 1e-4);
    EXPECT_NEAR(a.getNewY(10), 100, 1e-4);
    a.setRotation(90);  // up the screen
    EXPECT_NEAR(a.getNewY(10), 90, 1e-4);
    a.setRotation(-90);  // down the screen
    a.step(10);
    EXPECT_NEAR(a.x, 100, 1e-4);
    EXPECT_NEAR(a.y, 110, 1e-4);

    OrderProbe probe;
    probe.x = 0;
    probe.step(20);
    EXPECT_NEAR(probe.seenX, 20, 1e-4);
}

TEST(ActorAngles, AngleToRotateToAndWrapping)
{
    Actor a;
    a.x = 500;
    a.y = 500;
    EXPECT_NEAR(a.angleTo(600, 500), 0, 1e-3);
    EXPECT_NEAR(a.angleTo(500, 400), 90, 1e-3);
    EXPECT_NEAR(a.angleTo(500, 600), -90, 1e-3);
    EXPECT_EQ(a.angleTo(400, 500), -180.0f) << "exactly -180, never 180";
    EXPECT_EQ(a.angleTo(500, 500), -180.0f) << "own position";
    a.rotateTo(600, 500);  // faces away until turned back
    EXPECT_NEAR(a.getRotation(), 180, 1e-3);
    EXPECT_NEAR(a.rotate(-180), 0, 1e-3);

    EXPECT_EQ(Actor::angleOutOf360(360), 0);
    EXPECT_EQ(Actor::angleOutOf360(-10), 350);
    EXPECT_EQ(Actor::angleOutOf360(725), 5);
    EXPECT_EQ(Actor::angleOutOf360(-1e-6f), 0) << "360 - 1e-6 rounds to 360";
    float huge = Actor::angleOutOf360(1e30f);  // must terminate
    EXPECT_TRUE(huge >= 0 && huge < 360) << huge;

    EXPECT_EQ(Actor::angleDistance(350, 10), 20);
    EXPECT_EQ(Actor::angleDistance(10, 350), -20);
    EXPECT_EQ(Actor::angleDistance(90, -90), 180);
    EXPECT_EQ(Actor::angleDistance(270, 90), -180);
    EXPECT_EQ(Actor::angleDistance(720, -30), -30);
}

TEST(ActorAngles, RotateWithGoalTakesOneBoundedStep)
{
    Actor a;
    a.rotateWithGoal(50, 2.9);  // inside the dead zone
    EXPECT_EQ(a.getRotation(), 0);
    a.rotateWithGoal(50, 3);  // full step, overshooting
    EXPECT_EQ(a.getRotation(), 50);
    a.setRotation(0);
    a.rotateWithGoal(5, 350);  // shorter the other way round
    EXPECT_EQ(a.getRotation(), -5);
    a.setRotation(-370);  // 350 once normalised; goal 10 is 20 ahead
    a.rotateWithGoal(5, 10);
    EXPECT_EQ(a.getRotation(), -365) << "not normalised afterwards";
    a.setRotation(359);
    a.rotateWithGoal(5, 10);
    EXPECT_EQ(a.getRotation(), 364);
}

TEST(ActorAnimation, TicksEveryNinetyMillisecondsAndTemporaryFramesLastOneTick)
{
    TestActor a;
    a.setFrames(29, 3);
    a.updateTimer(0.09f);  // not beyond the frame time yet
    EXPECT_EQ(a.getSpriteID(), 29);
    a.updateTimer(0.01f);
    EXPECT_EQ(a.getSpriteID(), 30);
    EXPECT_EQ(a.timer(), 0);
    a.updateTimer(0.1f);
    a.updateTimer(0.1f);  // 3 frames: wraps to frame 0
    EXPECT_EQ(a.getSpriteID(), 29);

    a.updateTimer(0.08f);
    a.temporaryFrame(32);
    EXPECT_EQ(a.getSpriteID(), 32);
    a.updateTimer(0.05f);  // timer restarted by the temporary frame
    EXPECT_EQ(a.getSpriteID(), 32);
    a.updateTimer(0.05f);
    EXPECT_EQ(a.getSpriteID(), 29) << "29 + 1 >= 3 wraps to frame 0";

    TestActor player;
    player.setFrames(0, 3);
    player.updateTimer(0.1f);
    player.temporaryFrame(3);
    player.updateTimer(0.1f);
    EXPECT_EQ(player.getSpriteID(), 1) << "resumes from 0 + 1, not from the frame before";
}

TEST(ActorBody, HealingIsCappedDamageIsNotAndBoxesTouching)
{
    Actor a, b;
    a.setHealthMax(150);
    a.setHealth(20);
    a.hurt(-1000);
    EXPECT_EQ(a.getHealth(), 150);
    a.setHealth(20);
    a.hurt(30);
    EXPECT_EQ(a.getHealth(), -10);

    a.x = a.y = b.y = 100;
    b.x = 148;  // edges touch
    EXPECT_TRUE(a.collides(&b));
    b.x = 148.5f;
    EXPECT_FALSE(a.collides(&b));
    EXPECT_FALSE(a.collides(90, 90, 9.5f, 100));
    EXPECT_FLOAT_EQ(a.distance(103, 104), 5) << "from the corner, not the centre";
}

TEST(ActorSight, LineOfSightOverTiles)
{
    Map map;
    Actor a;
    a.x = 10 * 48 + 5;
    a.y = 10 * 48 + 5;
    EXPECT_TRUE(a.canSee(a.x + 10, a.y + 10, &map));     // own tile
    EXPECT_TRUE(a.canSee(25 * 48 + 5, a.y, &map));       // 16 tiles tested
    EXPECT_FALSE(a.canSee(26 * 48 + 5, a.y, &map));      // a 17th is needed
    EXPECT_FALSE(a.canSee(26 * 48 + 5, 30 * 48, &map));  // also diagonally

    map.setTileAt(13, 10, 1);  // wall between
    EXPECT_FALSE(a.canSee(20 * 48, a.y, &map));
    EXPECT_TRUE(a.canSee(5 * 48, a.y, &map));  // the wall is not on this side
    map.setTileAt(13, 10, 22);  // a window: solid but see-through
    EXPECT_TRUE(a.canSee(20 * 48, a.y, &map));

    map.setTileAt(10, 10, 1);  // standing in a wall blinds even the own tile
    EXPECT_FALSE(a.canSee(a.x, a.y, &map));
    map.setTileAt(10, 10, 0);

    // Straight down the walk holds its column and stops on the far row
    // without testing the far tile itself.
    map.setTileAt(10, 13, 1);
    EXPECT_TRUE(a.canSee(a.x, 13 * 48 + 5, &map));
    map.setTileAt(10, 12, 1);
    EXPECT_FALSE(a.canSee(a.x, 13 * 48 + 5, &map));

    // Two columns across and one row down: halfway (2·eps equal to dx) the
    // walk already steps down, so the middle column is tested in the far row.
    map.setTileAt(41, 41, 1);
    EXPECT_FALSE(Actor::lineOfSight(40 * 48, 40 * 48, 42 * 48, 41 * 48, &map));
    map.setTileAt(41, 41, 0);
    map.setTileAt(41, 40, 1);
    EXPECT_TRUE(Actor::lineOfSight(40 * 48, 40 * 48, 42 * 48, 41 * 48, &map));
}

TEST(ActorLifetime, DeletesAGunStillHeldAndPlainActorsHaveNoMoods)
{
    EXPECT_EQ(capturedStdout([] { Actor().setGun(std::make_unique<Pistol>()); }),
              "Actor: Actor still has gun on deletion, taking care of it\n");
    EXPECT_EQ(capturedStdout([] {
                  Actor a;
                  a.setGun(std::make_unique<Pistol>());
                  a.takeGun();  // handed on first: nothing to report
              }),
              "");
    Actor a;
    EXPECT_EQ(a.changeMood(0, -5), 0);
}

TEST(ActorFile, LoadsPositiveIntegersAMissingFileOnlyResetsTheHeadingAndSaveRoundTrips)
{
    TempDir dir;
    std::string name = dir.write("0.def", "hp=80\nmax_hp=120\nlevel=0\nheading=45\nnumSprites=4\n"
                                          "startSprite=12\nportrait=3\nx=300\ny=-20\nteam=0\n");
    TestActor a;
    a.team = 7;
    EXPECT_EQ(capturedStdout([&] { a.load(name.c_str()); }), "");
    EXPECT_EQ(a.getHealthMax(), 120);
    EXPECT_EQ(a.getLevel(), 1) << "0 leaves the field alone";
    EXPECT_EQ(a.getSpriteID(), 12);
    EXPECT_EQ(a.y, 0) << "negative values are not assigned: the temporary stays 0";
    EXPECT_EQ(a.team, 7);

    Actor c;
    c.setHealth(42);
    c.setRotation(30);
    std::string missing = dir.file("nothere.def");
    EXPECT_EQ(capturedStderr([&] { c.load(missing.c_str()); }), "Couldn't load from " + missing + "\n");
    EXPECT_EQ(c.getHealth(), 42);
    EXPECT_EQ(c.getRotation(), 0);

    // Saving twice truncates: still one copy of each key; a reload saves the same text.
    name = dir.file("2.def");
    TestActor s;
    s.setHealthMax(150);
    s.setHealth(100);
    s.setLevel(4);
    s.setRotation(91.7);
    s.setAnimation(0, 5, 6, 40);
    s.x = 321.9f;
    s.y = 654.2f;
    s.team = 2;
    s.save(name.c_str(), false);
    s.save(name.c_str(), false);
    std::string text = readFile(name);
    EXPECT_EQ(text, "hp=100\nmax_hp=150\nlevel=4\nheading=91\nnumSprites=5\n"
                    "startSprite=40\nportrait=6\nx=321\ny=654\nteam=2\n");

    TestActor b;
    b.load(name.c_str());
    b.save(dir.file("3.def").c_str(), false);
    EXPECT_EQ(readFile(dir.file("3.def")), text);
}
