// A cut-scene in the running game on the display: the scene's cast drawn
// around its camera, the walk, the camera and a key that skips it.
#include <gtest/gtest.h>

#include <vector>

#include "GameHarness.h"
#include "script/CinemaScene.h"
#include "world/AIActor.h"

namespace {

// A script asks for a cut-scene; the scene walks an actor (the script waits),
// snaps and scrolls the camera, shows a line, and a key skips it.
TEST(ScriptGame, CutSceneWalksScrollsTalksAndAKeySkipsIt)
{
    GameHarness h;
    h.writeMinimalData();
    CGame* game = h.start();
    game->newGame();
    h.place<Actor>(3000, 3000); // someone left standing: the game is not won at once
    h.writeFile("scene.mor", "var a = npcAdd(10, 3, 100, 100);\n"
                             "snapCamera(124, 124);\n"
                             "lockWalk(a, 400, 100);\n"
                             "snapCamera(200, 124);\n"
                             "scrollCamera(300, 124);\n"
                             "sayLock(2, \"Hi\");\n");
    h.writeFile("ask.mor", "playCinema(\"scene.mor\"); say(1, \"asked\");");
    game->runScript("ask.mor");
    ASSERT_TRUE(game->play.bInCinema);
    EXPECT_EQ(game->play.talkingConversation, "asked") << "the scene starts after the script has ended";
    EXPECT_FALSE(game->play.shouldLoadCinema);

    std::vector<float> walkerX, cameraX;
    Rgb firstFrame{};
    h.io().onFrame = [&](int frame) {
        if (frame == 1)
            firstFrame = h.pixel(400, 300);
        if (game->play.bInCinema) {
            walkerX.push_back(game->play.scene->actors[0]->x);
            cameraX.push_back(game->play.scene->cinemaX);
        }
        if (frame == 200)
            h.io().press(SDLK_SPACE);
    };
    h.runFrames(202);

    EXPECT_EQ(firstFrame, spriteColour(10)) << "the cast is drawn around the scene's camera";
    ASSERT_EQ(walkerX.size(), 200u) << "the key ends the scene in the next frame";
    size_t arrived = 0;
    while (arrived < walkerX.size() && walkerX[arrived] < 390)
        arrived++;
    EXPECT_NEAR(arrived * 0.02, 300.0 / 255.0, 0.1);
    for (size_t i = 1; i < arrived; i++) {
        EXPECT_GE(walkerX[i], walkerX[i - 1]);
        EXPECT_EQ(cameraX[i], 124.0f) << "the script waits for the walk";
    }
    EXPECT_GT(cameraX[arrived + 10], 200.0f);
    EXPECT_LT(cameraX[arrived + 10], 291.0f);
    EXPECT_GT(cameraX.back(), 290.0f);
    EXPECT_EQ(game->play.talkingConversation, "Hi");
    EXPECT_EQ(game->play.talkingPortrait, 2);
    EXPECT_FALSE(game->play.bInCinema);
}

} // namespace
