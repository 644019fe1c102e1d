#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

#include "world/Bullet.h"
#include "world/Pistol.h"
#include "world/Revolver.h"
#include "world/Shotgun.h"
#include "world/Weapon.h"

namespace {

struct KindValues {
    const char* keyword;
    int graphic;
    unsigned int sound;
    int range, minDamage, maxDamage;
    float refreshTime;
    int clipSize, inClip, inReserve, numProjectiles, spread, bulletGraphic, type;
    bool powerup;
};

const KindValues kKinds[] = {
    {"pistol", 35, 7, 700, 20, 110, 0.35f, 17, 17, 60, 1, 2, 9, 4, false},
    {"revolver", 16, 1, 1300, 200, 1800, 0.6f, 6, 6, 60, 1, 0, 9, 0, false},
    {"shotgun", 14, 2, 150, 20, 60, 0.95f, 8, 8, 100, 8, 10, 9, 2, false},
    {"smg", 15, 0, 600, 2, 40, 0.12f, 30, 30, 400, 2, 5, 9, 0, false},
    {"nailgun", 28, 9, 350, 20, 35, 0.3f, 16, 16, 80, 1, 5, 27, 2, false},
    {"ar", 22, 3, 650, 10, 120, 0.1f, 15, 15, 350, 3, 10, 9, 0, false},
    {"pill", 26, 2, 0, 1, 1, 0.95f, 1, 0, 0, 0, 0, 9, 17, true},
    {"health", 34, 2, 0, 1, 1, 0.95f, 1, 0, 0, 0, 0, 9, 18, true},
};

std::string makeTempDir()
{
    char pattern[] = "/tmp/weapontest.XXXXXX";
    const char* dir = mkdtemp(pattern);
    return dir ? dir : "/tmp";
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

}  // namespace

TEST(WeaponTest, EachKindHasItsValues)
{
    for (const KindValues& k : kKinds) {
        SCOPED_TRACE(k.keyword);
        std::unique_ptr<Weapon> w(createWeaponByKeyword(k.keyword));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->graphic, k.graphic);
        EXPECT_EQ(w->sound, k.sound);
        EXPECT_EQ(w->getRange(), k.range);
        EXPECT_EQ(w->getMinDamage(), k.minDamage);
        EXPECT_EQ(w->getMaxDamage(), k.maxDamage);
        EXPECT_FLOAT_EQ(w->getRefreshTime(), k.refreshTime);
        EXPECT_EQ(w->getClipSize(), k.clipSize);
        EXPECT_EQ(w->getInClip(), k.inClip);
        EXPECT_EQ(w->getReserve(), k.inReserve);
        EXPECT_EQ(w->getNumProjectiles(), k.numProjectiles);
        EXPECT_EQ(w->getSpread(), k.spread);
        EXPECT_EQ(w->getBulletGraphic(), k.bulletGraphic);
        EXPECT_EQ(w->getType(), k.type);
        EXPECT_EQ(w->isPowerup(), k.powerup);
        EXPECT_FLOAT_EQ(w->getSpeed(), 450.0f);
        EXPECT_FLOAT_EQ(w->getTimer(), 0.0f);
        EXPECT_GE(w->rotation, 0.0);
        EXPECT_LT(w->rotation, 360.0);
    }
    EXPECT_EQ(createWeaponByKeyword("Pistol"), nullptr);
    EXPECT_EQ(createWeaponByKeyword("larder"), nullptr);
}

TEST(WeaponTest, RollsStayWithinBoundsAndReachBothEnds)
{
    srand(1234);
    Pistol pistol;
    Revolver revolver;
    int minSeen = 1000, maxSeen = 0, devMin = 100, devMax = -100;
    for (int i = 0; i < 20000; i++) {
        std::unique_ptr<Bullet> b(pistol.fireGun(90.0, true));
        minSeen = std::min(minSeen, b->damage);
        maxSeen = std::max(maxSeen, b->damage);
        double dev = b->heading - 90.0;
        EXPECT_EQ(dev, static_cast<int>(dev));  // whole degrees
        devMin = std::min(devMin, static_cast<int>(dev));
        devMax = std::max(devMax, static_cast<int>(dev));
        EXPECT_EQ(b->range, 700);
        EXPECT_FLOAT_EQ(b->speed, 450.0f);
        EXPECT_EQ(b->graphic, 9);

        std::unique_ptr<Bullet> r(revolver.fireGun(33.5, true));
        EXPECT_EQ(r->heading, 33.5);
        EXPECT_GE(r->damage, 200);
        EXPECT_LE(r->damage, 1799);
    }
    EXPECT_EQ(minSeen, 20);
    EXPECT_EQ(maxSeen, 109);
    EXPECT_EQ(devMin, -2);
    EXPECT_EQ(devMax, 1);
}

TEST(WeaponTest, RefreshTimeGatesFiring)
{
    Pistol pistol;
    EXPECT_FALSE(pistol.canFire());  // a new gun waits one refresh time too
    pistol.update(0.34f);
    EXPECT_FALSE(pistol.canFire());
    pistol.update(0.02f);
    EXPECT_TRUE(pistol.canFire());

    delete pistol.fireGun(0.0, false);
    EXPECT_EQ(pistol.getInClip(), 16);
    EXPECT_FALSE(pistol.canFire());
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

TEST(WeaponTest, DryClipNeverFires)
{
    Pistol pistol;
    pistol.setInClip(1);
    pistol.update(1.0f);
    EXPECT_FALSE(pistol.isDry());
    delete pistol.fireGun(0.0, true);  // multi-projectile call: clip untouched
    EXPECT_EQ(pistol.getInClip(), 1);
    delete pistol.fireGun(0.0, false);
    EXPECT_TRUE(pistol.isDry());
    pistol.update(100.0f);
    EXPECT_FALSE(pistol.canFire());
}

TEST(WeaponTest, ShotgunPullFiresAllPelletsForOneRound)
{
    Shotgun shotgun;
    shotgun.setInClip(1);
    shotgun.update(1.0f);
    ASSERT_TRUE(shotgun.canFire());
    // The player's trigger pull: every projectile, then one round off the clip.
    int pellets = 0;
    for (int i = 0; i < shotgun.getNumProjectiles(); i++) {
        std::unique_ptr<Bullet> b(shotgun.fireGun(0.0, true));
        EXPECT_GE(b->heading, -10.0);
        EXPECT_LE(b->heading, 9.0);
        EXPECT_EQ(b->range, 150);
        pellets++;
    }
    shotgun.setInClip(shotgun.getInClip() - 1);
    EXPECT_EQ(pellets, 8);
    EXPECT_EQ(shotgun.getInClip(), 0);
    EXPECT_TRUE(shotgun.isDry());
    EXPECT_FALSE(shotgun.canFire());
}

TEST(WeaponTest, ReloadMovesWhatTheReserveHolds)
{
    Pistol pistol;
    pistol.setInClip(5);
    pistol.setReserve(4);
    pistol.reload();
    EXPECT_EQ(pistol.getInClip(), 9);
    EXPECT_EQ(pistol.getReserve(), 0);

    pistol.reload();  // empty reserve: the clip stays as it was
    EXPECT_EQ(pistol.getInClip(), 9);
    EXPECT_EQ(pistol.getReserve(), 0);

    pistol.setInClip(5);
    pistol.setReserve(100);
    pistol.reload();
    EXPECT_EQ(pistol.getInClip(), 17);
    EXPECT_EQ(pistol.getReserve(), 88);

    pistol.reload();  // a full clip takes nothing
    EXPECT_EQ(pistol.getInClip(), 17);
    EXPECT_EQ(pistol.getReserve(), 88);

    pistol.setInClip(0);
    pistol.setReserve(17);
    pistol.reload();
    EXPECT_EQ(pistol.getInClip(), 17);
    EXPECT_EQ(pistol.getReserve(), 0);
}

TEST(WeaponTest, ItemBoxTouchingEdgesOverlap)
{
    Pistol item;
    item.x = 100.0f;
    item.y = 100.0f;
    EXPECT_TRUE(item.collides(132.0f, 132.0f, 0.0f, 0.0f));
    EXPECT_FALSE(item.collides(132.5f, 120.0f, 0.0f, 0.0f));
    EXPECT_FALSE(item.collides(120.0f, 132.5f, 0.0f, 0.0f));
    // The player's 48 x 48 probe, as the pick-up search uses it.
    EXPECT_TRUE(item.collides(52.0f, 52.0f, 48.0f, 48.0f));
    EXPECT_FALSE(item.collides(51.0f, 100.0f, 48.0f, 48.0f));
}

TEST(WeaponTest, DefinitionFileRoundTrip)
{
    std::string dir = makeTempDir();
    std::string path = dir + "/weapon.def";
    Shotgun saved;
    saved.x = 120.7f;
    saved.y = 64.0f;
    saved.setInClip(3);
    saved.setReserve(41);
    saved.saveToDefinitionFile(path.c_str());
    EXPECT_EQ(readAll(path),
              "x=120\ny=64\ngraphic=14\nrange=150\nmaxDamage=60\nminDamage=20\n"
              "refreshMS=950\nspeed=450\ninClip=3\nclipSize=8\ninReserve=41\n"
              "type=2\nspread=10\nnumProjectiles=8\nbulletGraphic=9\n");

    Weapon loaded;
    loaded.loadFromDefinitionFile(path.c_str());
    EXPECT_FLOAT_EQ(loaded.x, 120.0f);
    EXPECT_FLOAT_EQ(loaded.y, 64.0f);
    EXPECT_EQ(loaded.graphic, 14);
    EXPECT_EQ(loaded.getRange(), 150);
    EXPECT_EQ(loaded.getMaxDamage(), 60);
    EXPECT_EQ(loaded.getMinDamage(), 20);
    EXPECT_FLOAT_EQ(loaded.getRefreshTime(), 0.95f);
    EXPECT_FLOAT_EQ(loaded.getSpeed(), 450.0f);
    EXPECT_EQ(loaded.getInClip(), 3);
    EXPECT_EQ(loaded.getClipSize(), 8);
    EXPECT_EQ(loaded.getReserve(), 41);
    EXPECT_EQ(loaded.getType(), 2);
    EXPECT_EQ(loaded.getSpread(), 10);
    EXPECT_EQ(loaded.getNumProjectiles(), 8);
    EXPECT_EQ(loaded.getBulletGraphic(), 9);

    // A bulletGraphic of 0 keeps the weapon's own image.
    std::ofstream(path) << "bulletGraphic=0\n";
    Weapon nails;
    nails.setBulletGraphic(27);
    testing::internal::CaptureStdout();
    nails.loadFromDefinitionFile(path.c_str());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(nails.getBulletGraphic(), 27);

    unlink(path.c_str());
    rmdir(dir.c_str());
}

TEST(WeaponTest, UnreadableDefinitionFileChangesNothing)
{
    std::string dir = makeTempDir();
    std::string path = dir + "/absent.def";
    Pistol pistol;
    pistol.x = 7.5f;
    testing::internal::CaptureStderr();
    pistol.loadFromDefinitionFile(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Weapon definition file " + path + " is missing or unusable\n");
    EXPECT_FLOAT_EQ(pistol.x, 7.5f);
    EXPECT_EQ(pistol.getRange(), 700);
    EXPECT_FLOAT_EQ(pistol.getRefreshTime(), 0.35f);
    rmdir(dir.c_str());
}

TEST(WeaponTest, NoDamageRangeRollsTheMinimum)
{
    // A definition whose maximum does not exceed its minimum must not divide
    // by zero: every bullet does the minimum damage.
    std::string dir = makeTempDir();
    std::string path = dir + "/flat.def";
    std::ofstream(path) << "maxDamage=30\nminDamage=30\ninClip=5\n";
    Weapon flat;
    testing::internal::CaptureStdout();
    flat.loadFromDefinitionFile(path.c_str());
    testing::internal::GetCapturedStdout();
    for (int i = 0; i < 10; i++) {
        std::unique_ptr<Bullet> b(flat.fireGun(0.0, false));
        EXPECT_EQ(b->damage, 30);
    }

    std::ofstream(path) << "maxDamage=10\nminDamage=40\n";
    Weapon inverted;
    testing::internal::CaptureStdout();
    inverted.loadFromDefinitionFile(path.c_str());
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(inverted.rollDamage(), 40);

    std::unique_ptr<Weapon> pill(createWeaponByKeyword("health"));
    EXPECT_EQ(pill->rollDamage(), 1);

    unlink(path.c_str());
    rmdir(dir.c_str());
}
