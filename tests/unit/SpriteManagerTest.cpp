// Sprite sets: the culling test, screen centring and loading an empty set.
#include <gtest/gtest.h>

#include <string>

#include "Captured.h"
#include "render/SpriteManager.h"

TEST(SpriteCulling, DrawsOnlyQuadsTouchingTheScreenAndCentresOnTheMarker)
{
    // width 32, height 16 on an 800 x 600 screen
    EXPECT_TRUE(SpriteManager::isVisible(-32, 0, 32, 16, 800, 600));
    EXPECT_FALSE(SpriteManager::isVisible(-33, 0, 32, 16, 800, 600));
    EXPECT_TRUE(SpriteManager::isVisible(799, 599, 32, 16, 800, 600));
    EXPECT_FALSE(SpriteManager::isVisible(800, 0, 32, 16, 800, 600));
    EXPECT_FALSE(SpriteManager::isVisible(0, 600, 32, 16, 800, 600));
    EXPECT_TRUE(SpriteManager::isVisible(0, -16, 32, 16, 800, 600));
    EXPECT_FALSE(SpriteManager::isVisible(0, -17, 32, 16, 800, 600));

    int x = -1337, y = -1337;
    SpriteManager::resolveCentring(x, y, 801, 600);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(400, 300));
    y = 5;
    x = -1337;
    SpriteManager::resolveCentring(x, y, 800, 600);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(-1337, 5)) << "the marker needs both coordinates";
}

TEST(SpriteSet, AbsentDirectoryGivesEmptySetWithUnlimitedScreen)
{
    const std::string dir = "/nonexistent-sprite-dir";
    SpriteManager* set = nullptr;
    std::string out;
    EXPECT_EQ(capturedStderr([&] { out = capturedStdout([&] { set = new SpriteManager(dir.c_str()); }); }),
              "Sorry, sprite " + dir + "/0.png is missing\n");
    EXPECT_EQ(out, "Loaded 0 sprites\n");
    EXPECT_EQ(set->size(), 0u);
    EXPECT_TRUE(SpriteManager::isVisible(99999, 99999, 10, 10, set->screenWidth, set->screenHeight));
    EXPECT_FALSE(SpriteManager::isVisible(100000, 0, 10, 10, set->screenWidth, set->screenHeight));
    EXPECT_EQ(capturedStderr([&] {
                  EXPECT_EQ(set->getSprite(-1), nullptr);
                  EXPECT_EQ(set->getSprite(0), nullptr);
              }),
              "Requested sprite -1 is out of bounds\nRequested sprite 0 is out of bounds\n");
    delete set;
}
