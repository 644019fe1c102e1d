// Weapons: damage and spread rolls, refresh timing, clips and reloads,
// the item box and the definition file.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "Captured.h"
#include "TempDir.h"
#include "world/Bullet.h"
#include "world/GameRandom.h"
#include "world/Pistol.h"
#include "world/Revolver.h"
#include "world/Shotgun.h"
#include "world/Weapon.h"

TEST(WeaponRolls, DamageAndSpreadStayWithinBoundsAndReachBothEnds)
{
    gameRandom().seed(1234);
    Pistol pistol;
    Revolver revolver;
    Shotgun shotgun;
    int minSeen = 1000, maxSeen = 0, devMin = 100, devMax = -100;
    for (int i = 0; i < 20000; i++) {
        std::unique_ptr<Bullet> b(pistol.fireGun(90.0, true));
        minSeen = std::min(minSeen, b->damage);
        maxSeen = std::max(maxSeen, b->damage);
        double dev = b->heading - 90.0;
        ASSERT_EQ(dev, static_cast<int>(dev)) << "whole degrees";
        devMin = std::min(devMin, static_cast<int>(dev));
        devMax = std::max(devMax, static_cast<int>(dev));

        std::unique_ptr<Bullet> r(revolver.fireGun(33.5, true));
        ASSERT_EQ(r->heading, 33.5) << "no spread";
        ASSERT_TRUE(r->damage >= 200 && r->damage <= 1799) << r->damage;
        std::unique_ptr<Bullet> s(shotgun.fireGun(0.0, true));
        ASSERT_TRUE(s->heading >= -10.0 && s->heading <= 9.0) << s->heading;
    }
    EXPECT_EQ(minSeen, 20);
    EXPECT_EQ(maxSeen, 109);
    EXPECT_EQ(devMin, -2);
    EXPECT_EQ(devMax, 1);
}

TEST(WeaponRolls, NoDamageRangeRollsTheMinimumWithoutDividingByZero)
{
    TempDir dir;
    Weapon flat, inverted;
    capturedStdout([&] {
        flat.loadFromDefinitionFile(dir.write("flat.def", "maxDamage=30\nminDamage=30\ninClip=5\n").c_str());
        inverted.loadFromDefinitionFile(dir.write("inv.def", "maxDamage=10\nminDamage=40\n").c_str());
    });
    for (int i = 0; i < 10; i++) {
        std::unique_ptr<Bullet> b(flat.fireGun(0.0, false));
        EXPECT_EQ(b->damage, 30);
    }
    EXPECT_EQ(inverted.rollDamage(), 40);
    std::unique_ptr<Weapon> pill(createWeaponByKeyword("health"));
    EXPECT_EQ(pill->rollDamage(), 1);
}

TEST(WeaponTiming, RefreshTimeGatesFiringAndReloading)
{
    Pistol pistol;
    EXPECT_FALSE(pistol.canFire()) << "a new gun waits one refresh time too";
    pistol.update(0.34f);
    EXPECT_FALSE(pistol.canFire());
    pistol.update(0.02f);
    EXPECT_TRUE(pistol.canFire());

    pistol.fireGun(0.0, false);
    EXPECT_EQ(pistol.getInClip(), 16);
    for (int frame = 0; frame < 20; frame++)
        pistol.update(1.0f / 60.0f);  // 0.333 s
    EXPECT_FALSE(pistol.canFire());
    pistol.update(0.02f);
    EXPECT_TRUE(pistol.canFire());

    pistol.reload();  // a reload costs one refresh time as well
    EXPECT_FALSE(pistol.canFire());
    pistol.update(0.35f);
    EXPECT_TRUE(pistol.canFire());
}

TEST(WeaponClip, OnlySingleShotsSpendRoundsAndADryClipNeverFires)
{
    Pistol pistol;
    pistol.setInClip(1);
    pistol.update(1.0f);
    pistol.fireGun(0.0, true);  // one of several projectiles: clip untouched
    EXPECT_EQ(pistol.getInClip(), 1);
    pistol.fireGun(0.0, false);
    EXPECT_TRUE(pistol.isDry());
    pistol.update(100.0f);
    EXPECT_FALSE(pistol.canFire());
}

TEST(WeaponClip, ReloadMovesWhatTheReserveHolds)
{
    struct Case { int inClip, reserve, wantClip, wantReserve; };
    const Case cases[] = {
        {5, 4, 9, 0},      // the reserve is short
        {9, 0, 9, 0},      // empty reserve: the clip stays as it was
        {5, 100, 17, 88},  // fills the clip
        {17, 88, 17, 88},  // a full clip takes nothing
        {0, 17, 17, 0},
    };
    for (const Case& c : cases) {
        Pistol pistol;
        pistol.setInClip(c.inClip);
        pistol.setReserve(c.reserve);
        pistol.reload();
        EXPECT_EQ(std::make_pair(pistol.getInClip(), pistol.getReserve()), std::make_pair(c.wantClip, c.wantReserve))
            << c.inClip << "+" << c.reserve;
    }
}

TEST(WeaponItem, BoxTouchingEdgesOverlap)
{
    Pistol item;
    item.x = 100.0f;
    item.y = 100.0f;
    EXPECT_TRUE(item.collides(132.0f, 132.0f, 0.0f, 0.0f));
    EXPECT_FALSE(item.collides(132.5f, 120.0f, 0.0f, 0.0f));
    EXPECT_FALSE(item.collides(120.0f, 132.5f, 0.0f, 0.0f));
    EXPECT_TRUE(item.collides(52.0f, 52.0f, 48.0f, 48.0f));  // the player's pick-up probe
    EXPECT_FALSE(item.collides(51.0f, 100.0f, 48.0f, 48.0f));
}

TEST(WeaponFile, DefinitionRoundTripAndUnreadableFile)
{
    TempDir dir;
    std::string path = dir.file("weapon.def");
    Shotgun saved;
    saved.x = 120.7f;
    saved.y = 64.0f;
    saved.setInClip(3);
    saved.setReserve(41);
    saved.saveToDefinitionFile(path.c_str());
    const std::string text = "x=120\ny=64\ngraphic=14\nrange=150\nmaxDamage=60\nminDamage=20\n"
                             "refreshMS=950\nspeed=450\ninClip=3\nclipSize=8\ninReserve=41\n"
                             "type=2\nspread=10\nnumProjectiles=8\nbulletGraphic=9\n";
    EXPECT_EQ(readFile(path), text);
    Weapon loaded;
    loaded.loadFromDefinitionFile(path.c_str());
    EXPECT_FLOAT_EQ(loaded.getRefreshTime(), 0.95f);
    loaded.saveToDefinitionFile(dir.file("again.def").c_str());
    EXPECT_EQ(readFile(dir.file("again.def")), text);

    Weapon nails;
    nails.setBulletGraphic(27);
    capturedStdout([&] { nails.loadFromDefinitionFile(dir.write("b.def", "bulletGraphic=0\n").c_str()); });
    EXPECT_EQ(nails.getBulletGraphic(), 27) << "0 keeps the weapon's own image";

    Pistol pistol;
    pistol.x = 7.5f;
    std::string absent = dir.file("absent.def");
    EXPECT_EQ(capturedStderr([&] { pistol.loadFromDefinitionFile(absent.c_str()); }),
              "Weapon definition file " + absent + " is missing or unusable\n");
    EXPECT_FLOAT_EQ(pistol.x, 7.5f);
    EXPECT_EQ(pistol.getRange(), 700);
}
