#include <gtest/gtest.h>

#include <vector>

#include "render/ScreenPosition.h"
#include "sim/PlayerMotion.h"

using namespace PlayerMotion;

TEST(PlayerMotion, StepFollowsSpeedDraggingAndSlowMotion)
{
    const float frame = 1.0f / 60.0f;
    EXPECT_NEAR(stepLength(275.0f, frame, false, 1.0f, false), 4.58f, 0.01f);
    EXPECT_NEAR(stepLength(275.0f, frame, true, 1.0f, false), 1.76f, 0.01f);
    EXPECT_NEAR(stepLength(275.0f, frame, true, 2.0f, false), 0.88f, 0.01f) << "friction divides";
    EXPECT_NEAR(stepLength(275.0f, frame, false, 1.0f, true), 4.58f * 1.6f, 0.02f);
    EXPECT_NEAR(stepLength(275.0f, frame, true, 1.0f, true), 1.76f, 0.01f)
        << "no slow-motion boost while dragging";
    EXPECT_EQ(stepLength(275.0f, 0.0f, false, 1.0f, false), 0.0f);
}

TEST(PlayerMotion, UpAndLeftWinWhenBothKeysOfAnAxisAreHeld)
{
    EXPECT_EQ(axis(true, true), -1);
    EXPECT_EQ(axis(false, true), 1);
    EXPECT_EQ(axis(false, false), 0);
}

TEST(PlayerMotion, DragGoalFacesAwayFromTheWalk)
{
    EXPECT_EQ(dragGoal(-1, 0, 0), 270.0f);
    EXPECT_EQ(dragGoal(-1, -1, 0), 315.0f);
    EXPECT_EQ(dragGoal(-1, 1, 0), 225.0f);
    EXPECT_EQ(dragGoal(1, 0, 0), 90.0f);
    EXPECT_EQ(dragGoal(1, -1, 0), 45.0f);
    EXPECT_EQ(dragGoal(1, 1, 0), 135.0f);
    EXPECT_EQ(dragGoal(0, -1, 0), 0.0f);
    EXPECT_EQ(dragGoal(0, 1, 0), 180.0f);
    EXPECT_EQ(dragGoal(0, 0, 42.0f), 42.0f);
}

TEST(PlayerMotion, DiagonalMoveIntoAWallKeepsTheFreeAxis)
{
    // A wall filling x >= 100.
    auto wall = [](float x, float) { return x + 40.0f >= 100.0f; };
    float x = 55.0f, y = 10.0f;
    slide(x, y, 1, 1, 5.0f, wall);
    EXPECT_EQ(x, 55.0f);
    EXPECT_EQ(y, 15.0f);

    // Vertical is tried first, at the old x; horizontal at the new y.
    std::vector<std::pair<float, float>> probes;
    auto record = [&](float px, float py) {
        probes.push_back({px, py});
        return false;
    };
    x = 20.0f;
    y = 20.0f;
    slide(x, y, -1, -1, 3.0f, record);
    ASSERT_EQ(probes.size(), 2u);
    EXPECT_EQ(probes[0], std::make_pair(20.0f, 17.0f));
    EXPECT_EQ(probes[1], std::make_pair(17.0f, 17.0f));

    probes.clear();
    slide(x, y, 0, 0, 3.0f, record);
    EXPECT_TRUE(probes.empty()) << "no key, no probe";
}

TEST(ScreenPosition, CentreAtHalfScreenAndDistanceCutTowardZero)
{
    EXPECT_EQ(screenCoord(1100.0f, 1024, 800), 476);
    EXPECT_EQ(screenCoord(1024.7f, 1024, 800), 400);
    EXPECT_EQ(screenCoord(1023.3f, 1024, 800), 400);
    EXPECT_EQ(screenCoord(1022.5f, 1024, 800), 399);
    EXPECT_EQ(screenCoord(0.0f, 0, 601), 300);
}
