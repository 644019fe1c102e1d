// Survival mode on the display: the results screen after the player's death.
#include <gtest/gtest.h>

#include "GameHarness.h"

TEST(Survival, DeathShowsTheResultsUntilAKey)
{
    GameHarness h;
    h.writeMinimalData();
    CGame* game = h.start();
    game->newSurvival();

    // Death: the fade, then the results until a key, which they consume.
    game->world.player->setHealth(0);
    bool sawPrompt = false; // the bottom line "Hit any key ..." in white
    h.io().onFrame = [&](int) {
        sawPrompt = sawPrompt || h.pixel(2, 594) == Rgb{255, 255, 255};
        if (h.io().events.empty() && !game->play.bGameOver)
            h.io().key(SDLK_a); // drained by the death fade, taken by the results
    };
    h.runFrames(2000);
    EXPECT_LT(h.io().framesDone, 2000) << "the results screen ended the game";
    EXPECT_TRUE(sawPrompt && h.io().events.empty());
}
