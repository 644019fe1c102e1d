// The player's step length, key axes, dragging heading and wall sliding.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "render/ScreenPosition.h"
#include "game/sim/PlayerMotion.h"

using namespace PlayerMotion;

TEST(PlayerMotion, StepFollowsSpeedDraggingAndSlowMotion)
{
    const float frame = 1.0f / 60.0f;
    EXPECT_NEAR(stepLength(275.0f, frame, false, 1.0f, false), 4.58f, 0.01f);
    EXPECT_NEAR(stepLength(275.0f, frame, true, 2.0f, false), 0.88f, 0.01f) << "friction divides";
    EXPECT_NEAR(stepLength(275.0f, frame, false, 1.0f, true), 4.58f * 1.6f, 0.02f);
    EXPECT_NEAR(stepLength(275.0f, frame, true, 1.0f, true), 1.76f, 0.01f) << "no boost while dragging";
}

TEST(PlayerMotion, AxesAndTheDragHeading)
{
    EXPECT_EQ(axis(true, true), -1) << "up and left win when both keys are held";
    EXPECT_EQ(axis(false, true), 1);
    EXPECT_EQ(dragGoal(-1, 0, 0), 270.0f);
    EXPECT_EQ(dragGoal(-1, -1, 0), 315.0f);
    EXPECT_EQ(dragGoal(1, 1, 0), 135.0f);
    EXPECT_EQ(dragGoal(0, -1, 0), 0.0f);
    EXPECT_EQ(dragGoal(0, 1, 0), 180.0f);
    EXPECT_EQ(dragGoal(0, 0, 42.0f), 42.0f);
}

TEST(PlayerMotion, DiagonalMoveIntoAWallKeepsTheFreeAxis)
{
    auto wall = [](float x, float) { return x + 40.0f >= 100.0f; };  // fills x >= 100
    float x = 55.0f, y = 10.0f;
    slide(x, y, 1, 1, 5.0f, wall);
    EXPECT_EQ(std::make_pair(x, y), std::make_pair(55.0f, 15.0f));

    // Vertical is tried first, at the old x; horizontal at the new y.
    std::vector<std::pair<float, float>> probes;
    auto record = [&](float px, float py) {
        probes.push_back({px, py});
        return false;
    };
    x = y = 20.0f;
    slide(x, y, -1, -1, 3.0f, record);
    EXPECT_EQ(probes, (std::vector<std::pair<float, float>>{{20.0f, 17.0f}, {17.0f, 17.0f}}));
}

TEST(ScreenPosition, CentreAtHalfScreenAndDistanceCutTowardZero)
{
    EXPECT_EQ(screenCoord(1100.0f, 1024, 800), 476);
    EXPECT_EQ(screenCoord(1024.7f, 1024, 800), 400);
    EXPECT_EQ(screenCoord(1023.3f, 1024, 800), 400);
    EXPECT_EQ(screenCoord(1022.5f, 1024, 800), 399);
    EXPECT_EQ(screenCoord(0.0f, 0, 601), 300);
}
