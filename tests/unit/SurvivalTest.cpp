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
    EXPECT_EQ(game->actors.size(), 1u) << "3 seconds: nobody yet";
    game->survivalUpdate(0.5f);
    ASSERT_EQ(game->actors.size(), 2u);
    CopActor* cop = static_cast<CopActor*>(game->actors[1]);
    float d = cop->distance(2000, 2000);
    EXPECT_TRUE(d >= 499 && d < 750 && cop->isSurvivalMode()) << d;
    EXPECT_EQ(cop->getHealth(), 30) << "ten times the seconds on the clock";

    for (int i = 7; i < 123; i++)
        game->survivalUpdate(0.5f);
    auto& s = game->survival;
    EXPECT_TRUE(s.minutes == 1 && s.seconds == 1 && s.timer == 0.5f);
    EXPECT_EQ(game->actors.size(), 10u) << "nine actors still get one more, ten none";

    h.writeMap(1, 1); // solid everywhere: the search gives up at the player
    game->theMap->loadMap("data/map1.dat");
    game->survivalSpawn(2000, 2000);
    EXPECT_TRUE(game->actors.back()->x == 2000 && game->actors.back()->y == 2000);
}
