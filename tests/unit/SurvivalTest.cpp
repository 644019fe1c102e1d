// Survival mode without a window: the clock and the officers' arrival.
#include <gtest/gtest.h>

#include "GameHarness.h"
#include "world/CopActor.h"
#include "world/Map.h"

TEST(Survival, OfficersArriveOnTheClock)
{
    GameHarness h{GameHarness::NO_WINDOW};
    h.writeMinimalData();
    CGame* game = h.start();
    game->newSurvival();
    for (int i = 0; i < 6; i++)
        game->survivalUpdate(0.5f);
    EXPECT_EQ(game->world.actors.size(), 1u) << "3 seconds: nobody yet";
    game->survivalUpdate(0.5f);
    ASSERT_EQ(game->world.actors.size(), 2u);
    CopActor* cop = static_cast<CopActor*>(game->world.actors[1]);
    float d = cop->distance(2000, 2000);
    EXPECT_TRUE(d >= 499 && d < 750 && cop->isSurvivalMode()) << d;
    EXPECT_EQ(cop->getHealth(), 30) << "ten times the seconds on the clock";

    for (int i = 7; i < 123; i++)
        game->survivalUpdate(0.5f);
    auto& s = game->play.survival;
    EXPECT_TRUE(s.minutes == 1 && s.seconds == 1 && s.timer == 0.5f);
    EXPECT_EQ(game->world.actors.size(), 10u) << "nine actors still get one more, ten none";

    // Solid everywhere: no officer lands on the player; the spawn waits for a
    // later frame instead of being lost.
    h.writeMap(1, 1);
    game->theMap->loadMap("data/map1.dat");
    game->world.actors.drop(game->world.actors.back());
    size_t before = game->world.actors.size();
    game->play.survival.spawntimer = 3.6f;
    game->survivalUpdate(0.0f);
    EXPECT_EQ(game->world.actors.size(), before);
    EXPECT_GE(game->play.survival.spawntimer, 3.5f);
    game->theMap->loadMap("data/map0.dat");
    game->survivalUpdate(0.0f);
    EXPECT_EQ(game->world.actors.size(), before + 1) << "tried again on the next frame";
}

TEST(Survival, TheClockAndTheOfficersWaitBehindTheHelpScreen)
{
    GameHarness h{GameHarness::NO_WINDOW};
    h.writeMinimalData();
    CGame* game = h.start();
    game->newSurvival();
    h.io().frameMs = 100;
    h.runFrames(40); // four seconds with the help screen up
    ASSERT_TRUE(game->play.help);
    EXPECT_EQ(game->play.survival.seconds, 0);
    EXPECT_EQ(game->world.actors.size(), 1u) << "no officer arrives behind the help";
    h.play(15); // the help goes down; a second and a half of play
    EXPECT_EQ(game->play.survival.seconds, 1);
    EXPECT_EQ(game->world.actors.size(), 1u);
}
