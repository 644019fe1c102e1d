// The running game given bad scripts and bad pictures: a script that runs
// away ends with its message and play goes on; damaged pictures are reported
// and stood in for; a missing font page leaves text undrawn.
#include <gtest/gtest.h>

#include <string>

#include "Captured.h"
#include "GameHarness.h"
#include "render/SpriteManager.h"
#include "script/CinemaScene.h"

namespace {

size_t count(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        n++;
    return n;
}

TEST(RunawayScripts, AnAreaScriptThatRunsAwayIsStoppedOnceAndPlayGoesOn)
{
    GameHarness h;
    h.writeFile("loop.mor", "var i = 0; while (1) { i++; }");
    h.writeFile("deep.mor", "function down(n) { return down(n + 1); } down(0);");
    h.writeFile("double.mor", "var s = \"x\"; while (1) { s .= s; }");
    CGame* game = h.startStory("areascript 40 40 60 loop.mor\nareascript 400 40 60 deep.mor\n"
                               "areascript 800 40 60 double.mor\n");

    // Walking inside the endless script's zone tries it on every step.
    h.io().hold(SDLK_RIGHT, true);
    std::string err = capturedStderr([&] { h.play(10); });
    EXPECT_EQ(count(err, "ScriptManager: script loop.mor stopped after"), 1u) << err;
    EXPECT_EQ(count(err, "runScript: loop.mor will not run again until the level restarts\n"), 1u) << err;
    EXPECT_GT(game->world.player->x, 40.0f) << "play went on";

    // Endless recursion is a run-time error: it ends the script every time.
    game->world.player->x = 400;
    std::string out = capturedStdout([&] { h.play(2); });
    EXPECT_NE(out.find("Stack overflow"), std::string::npos) << out;

    // So is a text doubled without end.
    game->world.player->x = 800;
    out = capturedStdout([&] { h.play(2); });
    EXPECT_NE(out.find("Text too long"), std::string::npos) << out;

    // A new level gives the stopped script another chance.
    h.io().hold(SDLK_RIGHT, false);
    game->newGame();
    game->world.player->x = 40;
    err = capturedStderr([&] { game->detectEntities(60, 60); });
    EXPECT_EQ(count(err, "stopped after"), 1u) << err;
}

TEST(RunawayScripts, PlayCinemaWithAMissingScriptIsNoSuccess)
{
    GameHarness h;
    h.writeFile("ask.mor", "playCinema(\"data/cinema/none.mor\");");
    CGame* game = h.startStory();
    std::string err;
    std::string out = capturedStdout([&] { err = capturedStderr([&] { game->runScript("ask.mor"); }); });
    EXPECT_NE(err.find("Cannot open script data/cinema/none.mor"), std::string::npos) << err;
    EXPECT_EQ(out.find("Script loading successful"), std::string::npos) << out;
    ASSERT_NE(game->play.scene, nullptr);
    EXPECT_TRUE(game->play.scene->isDone()) << "a scene without a script ends at once";
    h.play(1);
    EXPECT_FALSE(game->play.bInCinema);
}

TEST(DamagedPictures, AreReportedAndStoodInForAndAMissingFontPageDrawsNoText)
{
    GameHarness h;
    h.writeMinimalData();
    h.writeFile("data/sprites/3.png", "\x89PNG\r\n\x1a\n not really a picture");
    // A header claiming 100000 x 100000 pixels: refused before decoding.
    std::string huge("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\x01\x86\xa0\0\x01\x86\xa0\x08\x02\0\0\0", 29);
    h.writeFile("data/sprites/4.png", huge);
    h.writeSolidImage("data/sprites/5.png", 1, 1, {10, 20, 30});
    std::remove("data/font.png");

    CGame* game = nullptr;
    std::string err = capturedStderr([&] { game = h.start(); });
    EXPECT_NE(err.find("Sorry, sprite data/sprites/3.png is unreadable ("), std::string::npos) << err;
    EXPECT_NE(err.find("Sorry, sprite data/sprites/4.png is unreadable (it claims 100000x100000 pixels"),
              std::string::npos) << err;
    EXPECT_EQ(err.find("data/sprites/3.png is missing"), std::string::npos) << err;
    EXPECT_EQ(err.find("data/sprites/5.png"), std::string::npos) << "a 1 x 1 picture is a picture";
    EXPECT_EQ(game->devices.actorSprites->size(), 50u) << "the numbers after a bad picture keep their places";
    EXPECT_NE(err.find("FAIL) Image file data/font.png not found"), std::string::npos) << err;

    // The menu's and the game's texts go undrawn; the game goes on.
    game->newGame();
    h.bystander = h.place<Actor>(3000, 3000);
    h.bystander->team = 1;
    int before = h.io().framesDone;
    err = capturedStderr([&] { h.play(3); });
    EXPECT_NE(err.find("This font isn't ready"), std::string::npos);
    EXPECT_EQ(h.io().framesDone, before + 4);
}

} // namespace
