// Sprite sets: the culling test, screen centring and loading an empty set.
#include <gtest/gtest.h>

#include <string>

#include "render/SpriteManager.h"

namespace {

TEST(SpriteCulling, DrawsOnlyQuadsTouchingTheScreenBox)
{
    // width 32, height 16 on an 800 x 600 screen
    EXPECT_TRUE(SpriteManager::isVisible(-32, 0, 32, 16, 800, 600));
    EXPECT_FALSE(SpriteManager::isVisible(-33, 0, 32, 16, 800, 600));
    EXPECT_TRUE(SpriteManager::isVisible(799, 599, 32, 16, 800, 600));
    EXPECT_FALSE(SpriteManager::isVisible(800, 0, 32, 16, 800, 600));
    EXPECT_FALSE(SpriteManager::isVisible(0, 600, 32, 16, 800, 600));
    EXPECT_TRUE(SpriteManager::isVisible(0, -16, 32, 16, 800, 600));
    EXPECT_FALSE(SpriteManager::isVisible(0, -17, 32, 16, 800, 600));
}

TEST(SpriteCulling, CentringMarkerNeedsBothCoordinates)
{
    int x = -1337, y = -1337;
    SpriteManager::resolveCentring(x, y, 801, 600);
    EXPECT_EQ(x, 400);
    EXPECT_EQ(y, 300);
    x = -1337;
    y = 5;
    SpriteManager::resolveCentring(x, y, 800, 600);
    EXPECT_EQ(x, -1337);
    EXPECT_EQ(y, 5);
}

TEST(SpriteSet, AbsentDirectoryGivesEmptySetWithUnlimitedScreen)
{
    const std::string dir = "/nonexistent-sprite-dir";
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    SpriteManager set(dir.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Sorry, sprite " + dir + "/0.png is missing\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Loaded 0 sprites\n");
    EXPECT_EQ(set.size(), 0u);
    EXPECT_EQ(set.screenWidth, 100000);
    EXPECT_EQ(set.screenHeight, 100000);
    EXPECT_TRUE(SpriteManager::isVisible(99999, 99999, 10, 10, set.screenWidth, set.screenHeight));
    EXPECT_FALSE(SpriteManager::isVisible(100000, 0, 10, 10, set.screenWidth, set.screenHeight));

    testing::internal::CaptureStderr();
    EXPECT_EQ(set.getSprite(-1), nullptr);
    EXPECT_EQ(set.getSprite(0), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Requested sprite -1 is out of bounds\nRequested sprite 0 is out of bounds\n");
    EXPECT_EQ(set.addSprite(static_cast<GLuint*>(nullptr)), -1);
}

} // namespace
