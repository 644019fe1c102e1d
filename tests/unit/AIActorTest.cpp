// NPCs: moods, the states that drive their steps, officers' sight, anger
// and volleys, and the NPC file.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Captured.h"
#include "TempDir.h"
#include "world/AIActor.h"
#include "world/Bullet.h"
#include "world/CopActor.h"
#include "world/GameRandom.h"
#include "world/Map.h"
#include "world/Pistol.h"

namespace {

const float DEG = 0.017453292f;

// An officer at (1000, 1000) facing +x whose pistol is ready to fire.
// Officers always carry a gun; its deletion notice is kept off the test output.
class Officer : public CopActor {
public:
    Officer()
    {
        x = 1000;
        y = 1000;
        getGun()->update(1.0f);
    }
};

void clearShots(OwnedList<Bullet>& shots)
{
    shots.clear();
}

}  // namespace

TEST(AIActorMoods, OfficersHateThePlayerAndOnlyFourTeamsExist)
{
    Officer cop;
    EXPECT_EQ(cop.getMood(0), -10);
    EXPECT_EQ(cop.getMood(1), 0);
    AIActor civ;
    Actor* asActor = &civ;  // the game holds NPCs as actors
    asActor->changeMood(3, -1);
    EXPECT_EQ(asActor->changeMood(3, -3), -4);
    EXPECT_EQ(civ.getMood(-1), 0);
    EXPECT_EQ(civ.changeMood(4, -3), 0);
}

TEST(AIActorMovement, StatesDecideWhetherAndWhereTheNpcSteps)
{
    AIActor civ;
    civ.x = 1000;
    civ.y = 1000;
    civ.setRotation(33);
    civ.walkTo(2000, 1000);
    EXPECT_EQ(civ.getState(), STATE_WALKING);
    for (ActorState s : {STATE_IDLE, STATE_CAUTION}) {
        civ.setState(s);
        EXPECT_EQ(civ.getNewX(1.0f), 1000) << s;
        EXPECT_EQ(civ.getNewY(1.0f), 1000) << s;
    }
    for (ActorState s : {STATE_WALKING, STATE_HOSTILE, STATE_STUNNED, STATE_INSANE, STATE_FIRING}) {
        civ.setState(s);
        EXPECT_NEAR(civ.getNewX(0.5f), 1127.5f, 1e-2) << s;
        EXPECT_NEAR(civ.getNewY(0.5f), 1000.0f, 1e-2) << s;
    }
    EXPECT_EQ(civ.getRotation(), 33) << "computing a step never turns";
    civ.walkTo(1000, 0);  // straight up
    EXPECT_NEAR(civ.getNewY(1.0f), 745.0f, 1e-2);

    civ.alertHostile(2000, 1000);  // threat toward +x: flee along 180 - 15
    EXPECT_EQ(civ.getState(), STATE_SCARED);
    EXPECT_NEAR(civ.getNewX(1.0f), 1000 + 255 * std::cos(165 * DEG), 1e-2);
    EXPECT_NEAR(civ.getNewY(1.0f), 1000 - 255 * std::sin(165 * DEG), 1e-2);
    // Alerted at its own position: heading -15, toward +x and slightly down.
    civ.becomeAngry(1000, 1000);
    EXPECT_NEAR(civ.getNewX(1.0f), 1000 + 255 * std::cos(15 * DEG), 1e-2);
    EXPECT_NEAR(civ.getNewY(1.0f), 1000 + 255 * std::sin(15 * DEG), 1e-2);
}

TEST(AIActorTargets, TimersArrivalAndRandomTargets)
{
    AIActor civ;
    civ.update(0.1f);
    EXPECT_FALSE(civ.readyToChangeDirection());
    civ.update(0.03f);
    EXPECT_TRUE(civ.readyToChangeDirection());
    EXPECT_FALSE(civ.readyToChangeDirection()) << "restarted";

    civ.walkTo(100, 100);
    civ.x = 110.9f;
    civ.y = 89.1f;
    EXPECT_TRUE(civ.reachedDestination());
    civ.x = 111;
    EXPECT_FALSE(civ.reachedDestination());
    civ.walkTo(1e10f, -1e10f);  // a script may send an NPC far off the map
    EXPECT_FALSE(civ.reachedDestination());

    gameRandom().seed(7);
    for (int i = 0; i < 50; ++i) {  // the corner of a tile inside the map
        civ.headToRandomLocation();
        float tx = civ.getTargetX(), ty = civ.getTargetY();
        EXPECT_TRUE(std::fmod(tx, 48.0f) == 0 && tx >= 0 && tx <= 79 * 48) << tx;
        EXPECT_TRUE(std::fmod(ty, 48.0f) == 0 && ty >= 0 && ty <= 79 * 48) << ty;
        EXPECT_TRUE(civ.getRunAwayAngle() >= -50 && civ.getRunAwayAngle() <= 49);
    }
}

TEST(AIActorTargets, CanShootAtNeedsAReadyGunRangeAndSight)
{
    Map map;
    AIActor civ;
    civ.x = 1000;
    civ.y = 1000;
    EXPECT_FALSE(civ.canShootAt(1100, 1000, &map)) << "unarmed";
    civ.setGun(std::make_unique<Pistol>());
    Weapon& gun = *civ.getGun();
    EXPECT_FALSE(civ.canShootAt(1100, 1000, &map)) << "not refreshed yet";
    gun.update(0.35f);
    EXPECT_TRUE(civ.canShootAt(1700, 1000, &map)) << "exactly the range";
    EXPECT_FALSE(civ.canShootAt(1701, 1000, &map));
    map.setTileAt(24, 20, 1);
    EXPECT_FALSE(civ.canShootAt(1300, 1000, &map));
    civ.setGun(nullptr);
}

TEST(CopActorStates, AlertsAngerAndCalming)
{
    Officer cop;
    cop.walkTo(5, 5);
    cop.alertHostile(1300, 1000);  // 300 away: only cautious
    EXPECT_EQ(cop.getState(), STATE_CAUTION);
    EXPECT_EQ(cop.getTargetX(), 5);
    cop.alertHostile(1299, 1000);
    EXPECT_EQ(cop.getState(), STATE_FIRING);
    EXPECT_EQ(cop.getTargetX(), 1299);
    cop.update(0.5f);
    EXPECT_EQ(cop.getState(), STATE_FIRING);
    cop.update(0.5f);
    EXPECT_EQ(cop.getState(), STATE_CAUTION);

    cop.becomeAngry(3000, 3000);  // any distance
    EXPECT_EQ(cop.getState(), STATE_FIRING);
    cop.update(0.9f);
    cop.alertHostile(1100, 1000);  // renews the anger
    cop.update(0.9f);
    EXPECT_EQ(cop.getState(), STATE_FIRING);
    cop.update(0.2f);
    EXPECT_EQ(cop.getState(), STATE_CAUTION);

    cop.walkTo(0, 0);  // calming applies in any state
    cop.update(1.0f);
    EXPECT_EQ(cop.getState(), STATE_CAUTION);

    cop.setSurvivalMode(true);
    cop.becomeAngry(1100, 1000);
    cop.update(5.0f);
    EXPECT_EQ(cop.getState(), STATE_FIRING);
}

TEST(CopActorStates, UpdateReloadsAnEmptyClip)
{
    Officer cop;
    cop.getGun()->setInClip(0);
    cop.update(0.01f);
    EXPECT_EQ(std::make_pair(cop.getGun()->getInClip(), cop.getGun()->getReserve()), std::make_pair(17, 33));

    cop.getGun()->setInClip(0);
    cop.getGun()->setReserve(0);
    OwnedList<Bullet> shots;
    cop.update(0.5f);
    EXPECT_EQ(cop.fireAt(1200, 1000, shots, 0.5f), 0) << "nothing left to reload";

    std::unique_ptr<Weapon> gun = cop.takeGun();
    cop.update(0.01f);  // unarmed: nothing to reload
    cop.setGun(std::move(gun));
}

TEST(CopActorSight, ViewConeAndWalls)
{
    Map map;
    Officer cop;
    auto seesAt = [&](float deg, float dist) {
        return cop.canSeeHostile(cop.x + dist * std::cos(deg * DEG), cop.y - dist * std::sin(deg * DEG), &map);
    };
    EXPECT_TRUE(seesAt(24, 499.9f));
    EXPECT_FALSE(seesAt(24, 501));
    EXPECT_TRUE(seesAt(-24.5f, 300));
    EXPECT_FALSE(seesAt(25.5f, 300));
    EXPECT_FALSE(seesAt(-25.5f, 300));

    cop.setRotation(180);  // facing away
    EXPECT_FALSE(cop.canSeeHostile(1100, 1000, &map));
    cop.setRotation(-720);  // the cone works on any winding of the heading
    EXPECT_TRUE(cop.canSeeHostile(1100, 1000, &map));

    map.setTileAt(22, 20, 1);
    EXPECT_FALSE(cop.canSeeHostile(1200, 1000, &map));
    map.setTileAt(22, 20, 22);
    EXPECT_TRUE(cop.canSeeHostile(1200, 1000, &map));
}

TEST(CopActorFiring, VolleyAlongTheCurrentHeading)
{
    Officer cop;
    OwnedList<Bullet> shots;
    EXPECT_EQ(cop.fireAt(1200, 1000, shots, 0.1f), 1);
    ASSERT_EQ(shots.size(), 1u);
    Bullet* b = shots.front();
    EXPECT_NEAR(b->x, 1025, 1e-3);
    EXPECT_NEAR(b->y, 1000, 1e-3);
    EXPECT_EQ(b->team, 2);
    EXPECT_TRUE(b->heading >= -2 && b->heading <= 1) << b->heading;
    EXPECT_EQ(cop.getRotation(), 0) << "within 10 degrees: no turn";
    EXPECT_EQ(cop.getSpriteID(), 32);
    EXPECT_EQ(cop.getGun()->getInClip(), 17) << "the caller takes the bullet";
    clearShots(shots);

    // Not ready again yet: no bullets, but the officer still turns to aim.
    EXPECT_EQ(cop.fireAt(1000, 800, shots, 0.1f), 0);
    EXPECT_NEAR(cop.getRotation(), 19.5, 1e-4);

    cop.getGun()->update(1.0f);
    cop.getGun()->setNumProjectiles(3);
    EXPECT_EQ(cop.fireAt(1000, 800, shots, 0.1f), 3);
    EXPECT_NEAR(cop.getRotation(), 39, 1e-4);
    for (Bullet* shot : shots) {
        EXPECT_NEAR(shot->x, 1000 + 25 * std::cos(39 * DEG), 1e-2);
        EXPECT_NEAR(shot->y, 1000 - 25 * std::sin(39 * DEG), 1e-2);
    }
    clearShots(shots);
}

TEST(AIActorFile, LoadAlwaysYieldsAnIdleNpcAndSaveRoundTrips)
{
    TempDir dir;
    std::string name = dir.write("0.def", "isAI=1\nhasScript=1\ndialogue=Nice day \nstate=3\ntargetX=200\n"
                                          "script=data/scripts/bob.mor\nhp=30\nmax_hp=30\nx=480\ny=96\nteam=1\n");
    AIActor civ;
    civ.load(name.c_str());
    EXPECT_EQ(civ.getState(), STATE_IDLE);
    EXPECT_TRUE(civ.hasScript());
    EXPECT_EQ(civ.getDialogue(), "Nice day ");
    EXPECT_EQ(civ.talkScriptFilename, "data/scripts/bob.mor");
    EXPECT_EQ(civ.getRunAwayAngle(), 15) << "missing key reads as 0, which means 15";
    EXPECT_EQ(civ.x, 480);

    Officer cop;
    std::string missing = dir.file("none.def");
    EXPECT_EQ(capturedStderr([&] { cop.load(missing.c_str()); }), "Can't open file " + missing + "\n");
    EXPECT_EQ(cop.x, 1000) << "not even the base keys are touched";
    EXPECT_EQ(cop.getDialogue(), "Go about your business, citizen.");

    // Saving twice truncates before writing again; some keys are written but never read back.
    name = dir.file("1.def");
    AIActor out;
    out.setDialogue("Hello there");
    out.setHasScript(true);
    out.talkScriptFilename = "data/talk.mor";
    out.walkTo(123.7f, 456.2f);
    out.setAttentionRange(1950.5f);
    out.save(name.c_str());
    out.save(name.c_str());
    EXPECT_EQ(readFile(name), "hasScript=1\ndialogue=Hello there\nattentionRange=1950\nrunAwayAngle=-15\n"
                              "state=3\ntargetX=123\ntargetY=456\nscript=data/talk.mor\n"
                              "hp=1\nmax_hp=1\nlevel=1\nheading=0\nnumSprites=3\nstartSprite=0\n"
                              "portrait=0\nx=45\ny=45\nteam=1\n");

    AIActor back;
    back.load(name.c_str());
    EXPECT_EQ(back.talkScriptFilename, "data/talk.mor");
    EXPECT_EQ(back.getTargetY(), 456);
    EXPECT_EQ(back.getAttentionRange(), 1000) << "written but never read back";
    EXPECT_EQ(back.getRunAwayAngle(), 15) << "negative values are not read";
}
