// The arithmetic of the head-up display and the world tint.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/HudMath.h"
#include "world/Larder.h"

using namespace HudMath;

TEST(HudMath, ComboWhiteBelowFiveRedFromFiveAndEndsBelowZero)
{
    int number = 3;
    float timer = 15.0f, redEffect = 1.0f;
    bool redRender = false;
    ComboLine line = advanceCombo(number, timer, 1.0f, redRender, redEffect);
    EXPECT_TRUE(line.shown);
    EXPECT_FALSE(line.red || redRender);

    number = 5;
    timer = 15.0f;
    line = advanceCombo(number, timer, 7.5f, redRender, redEffect);
    EXPECT_TRUE(line.red && redRender);
    EXPECT_FLOAT_EQ(redEffect, 0.5f);
    EXPECT_EQ(line.redLevel, 127);

    timer = 0.1f;
    EXPECT_TRUE(advanceCombo(number, timer, 0.1f, redRender, redEffect).shown)
        << "a timer of exactly zero is still alive";
    EXPECT_FALSE(advanceCombo(number, timer, 0.05f, redRender, redEffect).shown);
    EXPECT_EQ(number, 0);
    EXPECT_FALSE(redRender);

    number = 1;
    timer = 10.0f;
    EXPECT_FALSE(advanceCombo(number, timer, 0.1f, redRender, redEffect).shown) << "a single kill is no combo";
}

TEST(HudMath, PickUpPromptFollowsWhatLiesUnderfoot)
{
    EXPECT_STREQ(pickUpPrompt(false, false, true, false, true), "Press SPACE to pick up this corpse.");
    EXPECT_EQ(pickUpPrompt(false, false, true, true, true), nullptr) << "hands full";
    EXPECT_EQ(pickUpPrompt(false, false, false, false, false), nullptr);
    EXPECT_STREQ(pickUpPrompt(true, false, true, false, false), "Press SPACE to pick up this item.");
    EXPECT_STREQ(pickUpPrompt(true, true, false, false, false), "Press SPACE to pick up this item.");
    EXPECT_STREQ(pickUpPrompt(true, false, false, false, true), "Press SPACE to swap your gun.");
    EXPECT_STREQ(pickUpPrompt(true, true, false, false, true), "Press SPACE to get this power up.");
}

TEST(HudMath, ClocksTextsAndTheConversationFade)
{
    EXPECT_EQ(survivalClock(1, 1, 0.5f), "1'1\"50");
    EXPECT_FLOAT_EQ(slowMoDialAngle(15.0f), 180.0f);
    std::string longText(5000, 'x');
    EXPECT_EQ(format("%s|%i", longText.c_str(), 7), longText + "|7");

    float timer = 13.0f, solidFor = 0;
    while (talkAlpha(timer) >= 1.0f && advanceTalk(timer, 0.1f))
        solidFor += 0.1f;
    EXPECT_NEAR(solidFor, 6.5f, 0.11f);
    EXPECT_NEAR(talkAlpha(3.25f), 0.5f, 1e-6);
    timer = 0.01f;
    EXPECT_FALSE(advanceTalk(timer, 0.02f));
    EXPECT_EQ(timer, 0.0f);
}

TEST(HudMath, NearestLarderKeepsTheEarlierOnTiesAndTheArrowPointsAtIt)
{
    EXPECT_EQ(nearestLarder(std::vector<Larder*>{}, 0, 0), nullptr);
    Larder far, left, right;
    far.setX(2000);
    left.setX(-164);  // centre 100 pixels left of the origin
    right.setX(36);   // centre 100 pixels right
    left.setY(-64);
    right.setY(-64);
    EXPECT_EQ(nearestLarder(std::vector<Larder*>{&far, &right, &left}, 0, 0), &right);
    EXPECT_EQ(nearestLarder(std::vector<Larder*>{&far, &left, &right}, 0, 0), &left);

    // Headings: 0 toward +x, 90 up the screen.
    EXPECT_NEAR(larderArrowRotation(100, 100, 100, 0), 90.0f, 1e-3);
    EXPECT_NEAR(larderArrowRotation(100, 100, 0, 100), -180.0f, 1e-3);
    EXPECT_NEAR(larderArrowRotation(0, 0, 50, 50), -45.0f, 1e-3) << "down and right";
}

TEST(HudMath, BluePulsesBetweenLimits)
{
    float blue = 0.9f;
    bool falling = false;
    pulseBlue(blue, falling, 0.1f);
    EXPECT_FLOAT_EQ(blue, 1.0f);
    EXPECT_TRUE(falling);
    pulseBlue(blue, falling, 0.1f);
    EXPECT_FLOAT_EQ(blue, 0.8f);
    blue = 0.4f;
    pulseBlue(blue, falling, 0.1f);
    EXPECT_FLOAT_EQ(blue, 0.3f);
    EXPECT_FALSE(falling);
    pulseBlue(blue, falling, 0.05f);
    EXPECT_FLOAT_EQ(blue, 0.4f);
}
