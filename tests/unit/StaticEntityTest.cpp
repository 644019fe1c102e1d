// Static entities, the entity file reader and the respawn rule.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "world/Actor.h"
#include "world/Larder.h"
#include "world/Pistol.h"
#include "world/StaticEntityManager.h"
#include "world/Weapon.h"

namespace {

class EntityFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/entities-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override
    {
        for (Weapon* w : items)
            delete w;
        for (Larder* l : larders)
            delete l;
        std::system(("rm -rf '" + dir + "'").c_str());
    }
    // Loads the text as an entity file; returns what went to stderr.
    std::string load(const std::string& text)
    {
        std::string path = dir + "/entities.txt";
        std::ofstream(path, std::ios::binary) << text;
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        mgr.load(path.c_str(), items, larders);
        out = testing::internal::GetCapturedStdout();
        return testing::internal::GetCapturedStderr();
    }
    std::string dir, out;
    StaticEntityManager mgr;
    std::vector<Weapon*> items;
    std::vector<Larder*> larders;
};

TEST_F(EntityFile, EveryKeywordMakesItsThing)
{
    std::string err = load("null 1 2 3\nlight 4 5 6\nspawn 7 8 9\njailspawn 10 11 12\n"
                           "areasound 13 14 15\nhospitalspawn 16 17 18\n"
                           "areamessage 19 20 21 hi\nareascript 22 23 24 a.mor\n"
                           "pistol 1 1 0\nrevolver 2 2 0\nshotgun 3 3 0\nsmg 4 4 0\n"
                           "ar 5 5 0\nnailgun 6 6 0\npill 7 7 0\nhealth 8 8 0\n"
                           "larder 480 960 90\n");
    EXPECT_EQ(err, "");
    const StaticEntityType types[] = {STENT_NULL, STENT_LIGHT, STENT_SPAWN, STENT_JAILSPAWN,
                                      STENT_AREASOUND, STENT_HOSPITALSPAWN, STENT_AREAMESSAGE,
                                      STENT_AREASCRIPT};
    ASSERT_EQ(mgr.ents.size(), 8u);
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(mgr.ents[i]->getType(), types[i]);
        EXPECT_EQ(mgr.ents[i]->getX(), 1 + 3 * i);
        EXPECT_EQ(mgr.ents[i]->getY(), 2 + 3 * i);
        EXPECT_EQ(mgr.ents[i]->getRadius(), 3 + 3 * i);
    }
    EXPECT_EQ(mgr.ents[7]->getString(), "a.mor");
    EXPECT_EQ(out.substr(0, 34), "New entity type 0 at (1,2) 3 radiu");

    // Graphics tell the classes apart; each item lies where the file put it.
    const int graphics[] = {35, 16, 14, 15, 22, 28, 26, 34};
    ASSERT_EQ(items.size(), 8u);
    for (int i = 0; i < 8; i++) {
        EXPECT_EQ(items[i]->graphic, graphics[i]) << i;
        EXPECT_EQ(items[i]->x, i + 1);
        EXPECT_EQ(items[i]->y, i + 1);
    }
    EXPECT_EQ(items[6]->getType(), WEAPON_TYPE_DRUG_PILL);
    EXPECT_EQ(items[7]->getType(), WEAPON_TYPE_HEALTH_PILL);
    EXPECT_EQ(items[0]->getInClip(), Pistol().getInClip()) << "class defaults kept";

    ASSERT_EQ(larders.size(), 1u);
    EXPECT_EQ(larders[0]->getX(), 480);
    EXPECT_EQ(larders[0]->getY(), 960);
    EXPECT_EQ(larders[0]->getRotation(), 90);
}

TEST_F(EntityFile, MessageWordsAreJoinedWithOneSpaceEach)
{
    load("areamessage 100 200 50 Find  the key\n");
    ASSERT_EQ(mgr.ents.size(), 1u);
    EXPECT_EQ(mgr.ents[0]->getString(), "Find the key ");
    EXPECT_EQ(mgr.ents[0]->getX(), 100);
    EXPECT_EQ(mgr.ents[0]->getRadius(), 50);
}

TEST_F(EntityFile, SpacesOnlySeparateAndTabsBelongToFields)
{
    EXPECT_EQ(load("   spawn   5  6 7\nspawn\t1 2 3 4\n"),
              "StaticEntityManager: Unknown entity type 'spawn\t1'\n");
    ASSERT_EQ(mgr.ents.size(), 1u);
    EXPECT_EQ(mgr.ents[0]->getX(), 5);
}

TEST_F(EntityFile, CommentsBlankLinesAndBadLines)
{
    std::string err = load("# a comment line 1 2 3\n#pistol 1 2 3\nbanana 1 2 3\n"
                           "areascript 1 2 3\npistol 10 20\nspawn 1 2 -5\n"
                           "spawn 1 1 1\r\n  \nspawn 9 9 9\n");
    EXPECT_EQ(err,
              "StaticEntityManager: Unknown entity type '#pistol'\n"
              "StaticEntityManager: Unknown entity type 'banana'\n"
              "StaticEntityManager: You must specify a script name\n"
              "StaticEntityManager: 'pistol' needs three numbers, line skipped\n"
              "FAIL) StaticEntity cannot have negative radius (-5.000000)\n");
    ASSERT_EQ(mgr.ents.size(), 3u) << "the blank line ends the file";
    EXPECT_EQ(mgr.ents[0]->getType(), STENT_AREASCRIPT);
    EXPECT_EQ(mgr.ents[0]->getString(), "");
    EXPECT_EQ(mgr.ents[1]->getRadius(), 0) << "negative radius leaves 0";
    EXPECT_EQ(mgr.ents[2]->getRadius(), 1) << "a CR before the line feed is not part of a field";
    EXPECT_TRUE(items.empty());
}

TEST_F(EntityFile, MissingFileLoadsNothing)
{
    testing::internal::CaptureStderr();
    mgr.load((dir + "/none.txt").c_str(), items, larders);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "StaticEntityManager can't load from " + dir + "/none.txt\n");
    EXPECT_TRUE(mgr.ents.empty());
}

TEST(StaticEntity, RadiusIsInclusiveAndFirstMatchWins)
{
    StaticEntityManager mgr;
    testing::internal::CaptureStdout();
    StaticEntity* wide = mgr.newEntity(STENT_AREAMESSAGE, 0, 0, 100);
    StaticEntity* near = mgr.newEntity(STENT_AREAMESSAGE, 30, 40, 5);
    mgr.newEntity(STENT_AREASCRIPT, 30, 40, 5);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "New entity type 6 at (0,0) 100 radius\n"
              "New entity type 6 at (30,40) 5 radius\n"
              "New entity type 7 at (30,40) 5 radius\n");
    EXPECT_TRUE(near->withinRadius(33, 44));   // exactly 5 away
    EXPECT_FALSE(near->withinRadius(33, 44.01f));
    EXPECT_EQ(mgr.getEntity(30, 40, STENT_AREAMESSAGE), wide) << "file order decides";
    EXPECT_EQ(mgr.getEntity(0, 101, STENT_AREAMESSAGE), nullptr);
    EXPECT_EQ(mgr.getEntity(0, 0, STENT_AREASCRIPT), nullptr) << "type must match";
    mgr.clear();
    EXPECT_TRUE(mgr.ents.empty());
}

TEST(StaticEntity, RespawnPicksAmongHospitalsAndDisarms)
{
    StaticEntityManager mgr;
    testing::internal::CaptureStdout();
    mgr.newEntity(STENT_JAILSPAWN, 5, 5, 0);
    mgr.newEntity(STENT_HOSPITALSPAWN, 100, 0, 0);
    mgr.newEntity(STENT_HOSPITALSPAWN, 200, 0, 0);
    mgr.newEntity(STENT_HOSPITALSPAWN, 300, 0, 0);
    testing::internal::GetCapturedStdout();

    Actor player;
    Pistol gun; // the caller owns the dropped gun
    std::set<float> seen;
    srand(7);
    for (int i = 0; i < 60; i++) {
        player.setGun(&gun);
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

TEST(StaticEntity, RespawnWithoutSpawnPointsGoesToTheCorner)
{
    StaticEntityManager mgr;
    Actor player;
    player.x = player.y = 500;
    testing::internal::CaptureStdout();
    mgr.respawnPlayer(&player, true);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "No targets for respawn detected, going to (10,10)\n");
    EXPECT_EQ(player.x, 10);
    EXPECT_EQ(player.y, 10);
}

// The shipped town loads without a single complaint and has what a level
// needs: every gun, both pills, three larders and two hospitals.
TEST(ShippedLevel, EntityFileIsComplete)
{
    StaticEntityManager mgr;
    std::vector<Weapon*> items;
    std::vector<Larder*> larders;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    mgr.load(LARDER_SOURCE_DIR "/data/entities.txt", items, larders);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    std::set<int> graphics;
    for (Weapon* w : items)
        graphics.insert(w->graphic);
    EXPECT_EQ(graphics, (std::set<int>{35, 16, 14, 15, 22, 28, 26, 34}));
    EXPECT_EQ(larders.size(), 3u);
    int hospitals = 0, messages = 0;
    for (StaticEntity* e : mgr.ents) {
        hospitals += e->getType() == STENT_HOSPITALSPAWN;
        messages += e->getType() == STENT_AREAMESSAGE;
    }
    EXPECT_EQ(hospitals, 2);
    EXPECT_GE(messages, 3);
    ASSERT_NE(mgr.getEntity(40, 40, STENT_AREAMESSAGE), nullptr) << "a sign at the start";
    for (Weapon* w : items)
        delete w;
    for (Larder* l : larders)
        delete l;
}

} // namespace
