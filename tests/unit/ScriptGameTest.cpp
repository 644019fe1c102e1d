// Scripts in a running game without a window: talk scripts and compile
// errors, and the closing scene up to the credits.
#include <gtest/gtest.h>

#include <filesystem>

#include "Captured.h"
#include "GameHarness.h"
#include "TempDir.h"
#include "script/CinemaScene.h"
#include "world/AIActor.h"
#include "world/Map.h"

namespace {

class ScriptGame : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeMinimalData();
        game = h.start();
        game->newGame();
    }
    static std::string log() { return readFile("morscript-log.txt"); }
    GameHarness h{GameHarness::NO_WINDOW};
    CGame* game = nullptr;
};

TEST_F(ScriptGame, TalkScriptsActAndLogAndBrokenOnesRunNothing)
{
    h.writeFile("data/scripts/talk.mor",
                "say(3, \"Two@lines\");\n"
                "changeTile(5, 7, getTile(5, 7) + 1);\n"
                "playSample(4, 0); playSample(4, 2);\n"
                "print(\"talked\\n\");\n");
    AIActor* npc = game->world.actors.put(std::make_unique<AIActor>());
    npc->x = game->world.player->x + 40;
    npc->y = game->world.player->y;
    npc->talkScriptFilename = "data/scripts/talk.mor";
    npc->setHasScript(true);
    int tile = game->theMap->getTileAt(5, 7);

    std::string out = capturedStdout([&] {
        game->talkToNPC(npc);
        game->talkToNPC(npc);
    });

    EXPECT_EQ(game->play.talkingConversation, "Two\\lines");
    EXPECT_EQ(game->play.talkingPortrait, 3);
    EXPECT_FLOAT_EQ(game->play.talkTimer, 6.5f);
    EXPECT_TRUE(game->play.bIsTalking);
    EXPECT_EQ(game->theMap->getTileAt(5, 7), tile + 2);
    // The test data has no samples: the request reaches the sample player.
    size_t sample = out.find("Sample 4 is out of bounds\n");
    ASSERT_NE(sample, std::string::npos) << out;
    EXPECT_NE(out.find("Sample 4 is out of bounds\n", sample + 1), std::string::npos);
    EXPECT_NE(out.find("ScriptManager: Stale state found, resetting\n"), std::string::npos);
    EXPECT_NE(log().find("talked\ntalked\n"), std::string::npos) << log();

    // A script that does not compile is reported, not logged, and runs nothing.
    h.writeFile("bad.mor", "say(1, \"never\");\nsay(2, ;\n");
    out = capturedStdout([&] { game->runScript("bad.mor"); });
    EXPECT_NE(out.find("ScriptIO: Error, line 2: "), std::string::npos) << out;
    EXPECT_EQ(log().find("Error"), std::string::npos) << "errors go to standard output only";
    EXPECT_EQ(game->play.talkingConversation, "Two\\lines");
    // A console command that starts a cut-scene waits for the script's end
    // instead of replacing the state the script runs in.
    h.writeFile("exec.mor", "engineExec(\"wingame\"); say(1, \"still here\");");
    game->runScript("exec.mor");
    EXPECT_EQ(game->play.talkingConversation, "still here");
    EXPECT_TRUE(game->play.bInCinema);
}

// The town's closing scene plays out, then the credits roll and the game ends.
TEST_F(ScriptGame, WinSceneLeadsToTheCreditsAndEndsTheGame)
{
    namespace fs = std::filesystem;
    fs::create_directories("data/cinema");
    fs::copy_file(fs::path(LARDER_SOURCE_DIR) / "data/cinema/win.mor", "data/cinema/win.mor");
    h.writeFile("data/credits.txt", "Thanks for playing\n");
    int spokenFrames = 0;
    h.io().onFrame = [&](int) {
        if (game->play.bInCinema && game->play.bIsTalking && game->play.talkingPortrait == 2)
            spokenFrames++;
    };
    std::string out = capturedStdout([&] { h.runFrames(5000); });

    EXPECT_LT(h.io().framesDone, 5000) << "the game ended by itself";
    EXPECT_TRUE(game->play.bGameOver);
    EXPECT_GT(spokenFrames, 2 * 300) << "two lines of 6.5 seconds each";
    EXPECT_EQ(game->play.scene->actors.size(), 1u);
    size_t won = out.find("Player has completed the game\n");
    size_t bail = out.find("gameLoop: Bailing out of cinema, appears to be done\n");
    size_t credits = out.find("No more lines appear to be on screen.\n");
    ASSERT_NE(won, std::string::npos);
    ASSERT_NE(bail, std::string::npos);
    ASSERT_NE(credits, std::string::npos);
    EXPECT_LT(won, bail);
    EXPECT_LT(bail, credits);
}

// A win asked for by a cut-scene is acted on when that scene ends, and is not
// left lying for the next, unrelated script to start.
TEST_F(ScriptGame, WinRequestFromACutSceneDoesNotOutliveTheScene)
{
    h.place<Actor>(3000, 3000); // someone left standing: the game is not won at once
    h.writeFile("data/cinema/win.mor", "done();\n");
    h.writeFile("asks.mor", "engineExec(\"wingame\");\nsayLock(1, \"bye\");\n");
    h.writeFile("talk.mor", "say(1, \"hello\");\n");
    game->initCinema("asks.mor");
    h.io().onFrame = [&](int n) {
        if (n == 3)
            h.io().press(SDLK_x); // skip the scene
    };
    h.runFrames(10);
    EXPECT_FALSE(game->play.bInCinema);
    EXPECT_FALSE(game->play.shouldLoadCinema);
    game->runScript("talk.mor");
    EXPECT_FALSE(game->play.bInCinema) << "the talk script starts no cut-scene";
    EXPECT_EQ(game->play.talkingConversation, "hello");
}

} // namespace
