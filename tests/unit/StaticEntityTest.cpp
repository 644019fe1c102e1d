// Static entities, the entity file reader and the respawn rule.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "Captured.h"
#include "TempDir.h"
#include "world/Actor.h"
#include "world/GameRandom.h"
#include "world/Larder.h"
#include "world/Pistol.h"
#include "world/StaticEntityManager.h"
#include "world/Weapon.h"

namespace {

// Loads entity files into a manager and owns the items and larders made.
class EntityFile : public ::testing::Test {
protected:
    // Loads the text as an entity file; returns what went to stderr.
    std::string load(const std::string& text) { return loadPath(dir.write("entities.txt", text)); }
    std::string loadPath(const std::string& path)
    {
        return capturedStderr([&] { out = capturedStdout([&] { mgr.load(path.c_str(), items, larders); }); });
    }
    TempDir dir;
    std::string out;
    StaticEntityManager mgr;
    OwnedList<Weapon> items;
    OwnedList<Larder> larders;
};

TEST_F(EntityFile, EveryKeywordMakesItsThing)
{
    EXPECT_EQ(load("null 1 2 3\nlight 4 5 6\nspawn 7 8 9\njailspawn 10 11 12\n"
                   "areasound 13 14 15\nhospitalspawn 16 17 18\n"
                   "areamessage 19 20 21 Find  the key\nareascript 22 23 24 a.mor\n"
                   "pistol 1 1 0\nrevolver 2 2 0\nshotgun 3 3 0\nsmg 4 4 0\n"
                   "ar 5 5 0\nnailgun 6 6 0\npill 7 7 0\nhealth 8 8 0\n"
                   "larder 480 960 90\n"),
              "");
    const StaticEntityType types[] = {STENT_NULL,      STENT_LIGHT,         STENT_SPAWN,       STENT_JAILSPAWN,
                                      STENT_AREASOUND, STENT_HOSPITALSPAWN, STENT_AREAMESSAGE, STENT_AREASCRIPT};
    ASSERT_EQ(mgr.ents.size(), 8u);
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(mgr.ents[i]->getType(), types[i]);
        EXPECT_EQ(mgr.ents[i]->getX(), 1 + 3 * i);
        EXPECT_EQ(mgr.ents[i]->getY(), 2 + 3 * i);
        EXPECT_EQ(mgr.ents[i]->getRadius(), 3 + 3 * i);
    }
    EXPECT_EQ(mgr.ents[6]->getString(), "Find the key ") << "words joined with one space each";
    EXPECT_EQ(mgr.ents[7]->getString(), "a.mor");
    EXPECT_EQ(out.substr(0, 34), "New entity type 0 at (1,2) 3 radiu");

    // Graphics tell the classes apart; each item lies where the file put it.
    const int graphics[] = {35, 16, 14, 15, 22, 28, 26, 34};
    ASSERT_EQ(items.size(), 8u);
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(items[i]->graphic, graphics[i]) << i;
        EXPECT_EQ(items[i]->x, i + 1);
    }
    EXPECT_EQ(items[6]->getType(), WEAPON_TYPE_DRUG_PILL);
    EXPECT_EQ(items[7]->getType(), WEAPON_TYPE_HEALTH_PILL);
    EXPECT_EQ(items[0]->getInClip(), Pistol().getInClip()) << "class defaults kept";
    ASSERT_EQ(larders.size(), 1u);
    EXPECT_EQ(std::vector<double>({(double)larders[0]->getX(), (double)larders[0]->getY(), larders[0]->getRotation()}),
              std::vector<double>({480, 960, 90}));
}

TEST_F(EntityFile, SeparatorsCommentsBlankLinesAndBadLines)
{
    EXPECT_EQ(load("   spawn   5  6 7\nspawn\t1 2 3 4\n# a comment line 1 2 3\n#pistol 1 2 3\nPistol 1 2 3\n"
                   "areascript 1 2 3\npistol 10 20\nspawn 1 2 -5\nspawn 1 1 1\r\n  \nspawn 9 9 9\n"),
              "StaticEntityManager: Unknown entity type 'spawn\t1'\n"
              "StaticEntityManager: Unknown entity type '#pistol'\n"
              "StaticEntityManager: Unknown entity type 'Pistol'\n"
              "StaticEntityManager: You must specify a script name\n"
              "StaticEntityManager: 'pistol' needs three numbers, line skipped\n"
              "FAIL) StaticEntity cannot have negative radius (-5.000000)\n");
    ASSERT_EQ(mgr.ents.size(), 4u) << "the blank line ends the file";
    EXPECT_EQ(mgr.ents[0]->getX(), 5) << "runs of spaces separate, tabs belong to fields";
    EXPECT_EQ(mgr.ents[1]->getType(), STENT_AREASCRIPT);
    EXPECT_EQ(mgr.ents[1]->getString(), "");
    EXPECT_EQ(mgr.ents[2]->getRadius(), 0) << "negative radius leaves 0";
    EXPECT_EQ(mgr.ents[3]->getRadius(), 1) << "a CR before the line feed is not part of a field";
    EXPECT_TRUE(items.empty());

    std::string missing = dir.file("none.txt");
    mgr.clear();
    EXPECT_EQ(loadPath(missing), "StaticEntityManager can't load from " + missing + "\n");
    EXPECT_TRUE(mgr.ents.empty());
}

// The shipped town loads without a single complaint and has what a level
// needs: every gun, both pills, three larders and a sign at the start.
TEST_F(EntityFile, ShippedLevelIsComplete)
{
    EXPECT_EQ(loadPath(LARDER_SOURCE_DIR "/data/entities.txt"), "");
    std::set<int> graphics;
    for (Weapon* w : items)
        graphics.insert(w->graphic);
    EXPECT_EQ(graphics, (std::set<int>{35, 16, 14, 15, 22, 28, 26, 34}));
    EXPECT_EQ(larders.size(), 3u);
    EXPECT_NE(mgr.getEntity(40, 40, STENT_AREAMESSAGE), nullptr) << "a sign at the start";
}

}  // namespace

TEST(StaticEntity, RadiusIsInclusiveAndFirstMatchWins)
{
    StaticEntityManager mgr;
    StaticEntity *wide = nullptr, *near = nullptr;
    EXPECT_EQ(capturedStdout([&] {
                  wide = mgr.newEntity(STENT_AREAMESSAGE, 0, 0, 100);
                  near = mgr.newEntity(STENT_AREAMESSAGE, 30, 40, 5);
                  mgr.newEntity(STENT_AREASCRIPT, 30, 40, 5);
              }),
              "New entity type 6 at (0,0) 100 radius\n"
              "New entity type 6 at (30,40) 5 radius\n"
              "New entity type 7 at (30,40) 5 radius\n");
    EXPECT_TRUE(near->withinRadius(33, 44));  // exactly 5 away
    EXPECT_FALSE(near->withinRadius(33, 44.01f));
    EXPECT_EQ(mgr.getEntity(30, 40, STENT_AREAMESSAGE), wide) << "file order decides";
    EXPECT_EQ(mgr.getEntity(0, 101, STENT_AREAMESSAGE), nullptr);
    EXPECT_EQ(mgr.getEntity(0, 0, STENT_AREASCRIPT), nullptr) << "type must match";
}

TEST(StaticEntity, RespawnPicksAmongHospitalsDisarmsAndFallsBackToTheCorner)
{
    StaticEntityManager mgr;
    Actor player;
    player.x = player.y = 500;
    EXPECT_EQ(capturedStdout([&] { mgr.respawnPlayer(&player, true); }),
              "No targets for respawn detected, going to (10,10)\n");
    EXPECT_EQ(std::make_pair(player.x, player.y), std::make_pair(10.0f, 10.0f));

    capturedStdout([&] {
        mgr.newEntity(STENT_JAILSPAWN, 5, 5, 0);
        for (int x = 100; x <= 300; x += 100)
            mgr.newEntity(STENT_HOSPITALSPAWN, x, 0, 0);
    });
    std::set<float> seen;
    gameRandom().seed(7);
    for (int i = 0; i < 60; i++) {
        player.setGun(std::make_unique<Pistol>());
        player.setHealth(0);
        mgr.respawnPlayer(&player, true);
        seen.insert(player.x);
        EXPECT_EQ(player.getGun(), nullptr);
        EXPECT_EQ(player.getHealth(), 10);
    }
    EXPECT_EQ(seen, (std::set<float>{100, 200, 300}));
    mgr.respawnPlayer(&player, false);
    EXPECT_EQ(player.x, 5) << "the jail when not dead";
}
