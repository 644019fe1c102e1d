// The game's loops driven through the scripted seam: menu, play frames,
// help screen, death fade.
#include <gtest/gtest.h>

#include <vector>

#include "Captured.h"
#include "GameHarness.h"
#include "TempDir.h"
#include "game/flow/ScrollingText.h"
#include "audio/MusicManager.h"
#include "world/AIActor.h"
#include "world/Actor.h"
#include "world/Bullet.h"
#include "world/Map.h"

namespace {

const Rgb RED = {255, 0, 0};
const Rgb WHITE = {255, 255, 255};

class GameFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeMinimalData();
        game = h.start();
    }
    // A story game that is not won at once: the player and one bystander.
    void newGameWithBystander()
    {
        game->newGame();
        h.place<Actor>(1000, 1000);
    }
    GameHarness h;
    CGame* game = nullptr;
};

// Menu items sit at the bottom, one line each: with the test font (line
// height 20) "New Game" is at y 520, "Quit" at y 580.
int itemY(int item) { return 520 + 20 * item + 8; }

TEST_F(GameFlow, MenuSelectionWrapsAndQuitEndsTheLoop)
{
    std::vector<int> selected;
    h.io().onFrame = [&](int frame) {
        int red = -1;
        for (int i = 0; i < 4; i++)
            if (h.pixel(15, itemY(i)) == RED)
                red = i;
        selected.push_back(red);
        // Up from New Game wraps to Quit, down from Quit wraps back.
        const SDLKey keys[] = {SDLK_UP, SDLK_DOWN, SDLK_UP, SDLK_RETURN};
        if (frame <= 4)
            h.io().press(keys[frame - 1]);
        if (frame > 10)
            h.io().quit(); // safety net
    };
    game->menuLoop();
    EXPECT_EQ(selected, (std::vector<int>{0, 3, 0, 3})) << "Return on Quit ends the menu at once";
}

TEST_F(GameFlow, MenuCountsFramesOnlyAfterMoreThanASecond)
{
    // One menu pass takes a frame plus the 1 ms wait.
    Uint32 passEnd = h.io().now + h.io().frameMs + 1;
    game->frameRate.last_check = (int)(passEnd - 1000);
    game->frameRate.fps = -1;
    h.io().quit();
    game->menuLoop();
    EXPECT_EQ(game->frameRate.fps, -1) << "exactly 1000 ms is not yet more than a second";
    EXPECT_EQ(game->frameRate.frames, 1);
}

TEST(GameFlowMusic, MenuIsQuietUntilPlayStartsTheFirstTrack)
{
    GameHarness h;
    h.writeMinimalData();
    h.writeFile("data/music/0.ogg", readFile(std::string(LARDER_SOURCE_DIR) + "/data/music/0.ogg"));
    CGame* game = h.start();
    ASSERT_EQ(game->devices.tunes->size(), 1);
    h.io().quit();
    game->menuLoop();
    EXPECT_EQ(game->devices.tunes->getTrackName(), "Not playing music");
    game->newGame();
    h.runFrames(1);
    EXPECT_EQ(game->devices.tunes->curTrack, 0);
}

TEST(Credits, LastEmptyLineOnlyAfterAFinalLineBreak)
{
    TempDir dir;
    ScrollingText credits(nullptr, "", 800, 600, nullptr, 23, nullptr, {});
    credits.loadLines(dir.write("broken.txt", "a\nb\n").c_str());
    EXPECT_EQ(credits.lines, (std::vector<std::string>{"a", "b", ""}));
    credits.lines.clear();
    credits.loadLines(dir.write("unbroken.txt", "a\nb").c_str());
    EXPECT_EQ(credits.lines, (std::vector<std::string>{"a", "b"}));
}

TEST_F(GameFlow, HelpScreenPausesPlayUntilAKey)
{
    newGameWithBystander();
    game->play.slowMoTimer = 10;
    game->deltaTimer = 1800;
    int helpFrames = 0;
    h.io().onFrame = [&](int frame) {
        if (frame <= 3 && h.pixel(400, 300) == spriteColour(43))
            helpFrames++;
        if (frame == 3)
            h.io().press(SDLK_SPACE);
    };
    h.runFrames(3);
    EXPECT_EQ(helpFrames, 3);
    EXPECT_TRUE(game->play.help);
    EXPECT_FLOAT_EQ(game->play.slowMoTimer, 10.0f) << "slow motion does not run under the help screen";

    // runFrames starts a new game loop, which raises the help screen again;
    // the queued key press takes it down on the first frame.
    h.runFrames(2);
    EXPECT_FALSE(game->play.help);
    EXPECT_LT(game->play.slowMoTimer, 10.0f);
}

TEST_F(GameFlow, FrameDeltaFollowsTheClockAndSlowMotion)
{
    newGameWithBystander();
    h.io().press(SDLK_SPACE); // past the help screen
    h.io().frameMs = 50;
    h.runFrames(2);
    EXPECT_FLOAT_EQ(game->delta, 0.05f);

    game->initSlowmo();
    EXPECT_FLOAT_EQ(game->play.slowMoTimer, 30.0f);
    h.io().press(SDLK_SPACE);
    h.runFrames(2);
    EXPECT_NEAR(game->delta, 50.0f / 1800.0f, 1e-6);
    EXPECT_LT(game->play.slowMoTimer, 30.0f);
}

TEST_F(GameFlow, LoneSurvivorWinsOnTheFirstFrame)
{
    game->newGame(); // the player alone: no actor files in this data folder
    ASSERT_EQ(game->world.actors.size(), 1u);
    EXPECT_TRUE(game->gameWon());
    std::string out = capturedStdout([&] { h.runFrames(10); });
    EXPECT_NE(out.find("Player has completed the game\n"), std::string::npos);
    EXPECT_TRUE(game->play.bGameOver);
}

TEST_F(GameFlow, DeathFadeGoesToRedAndBack)
{
    std::vector<Rgb> colours;
    h.io().frameMs = 100;
    h.io().onFrame = [&](int) { colours.push_back(h.pixel(400, 300)); };
    game->delta = 0.5f;
    game->deathAnimation();

    ASSERT_GE(colours.size(), 15u);
    size_t peak = 0;
    for (size_t i = 0; i < colours.size(); i++) {
        EXPECT_EQ(colours[i].g, 0);
        EXPECT_EQ(colours[i].b, 0);
        if (colours[i].r > colours[peak].r)
            peak = i;
    }
    EXPECT_EQ(colours.front().r, 0);
    EXPECT_GE(colours[peak].r, 250);
    for (size_t i = 1; i <= peak; i++)
        EXPECT_GE(colours[i].r, colours[i - 1].r);
    for (size_t i = peak + 1; i < colours.size(); i++)
        EXPECT_LE(colours[i].r, colours[i - 1].r);
    EXPECT_LE(colours.back().r, 30);
    EXPECT_FLOAT_EQ(game->delta, 0.0f) << "the fade is not fed into the next frame";
}

// A half-second stall moves nothing through a wall: the frame's game time is
// bounded and long moves are taken in steps that each meet the wall.
TEST_F(GameFlow, AStalledFrameCarriesNothingThroughAWall)
{
    newGameWithBystander();
    for (int row = 0; row < Map::SIZE; row++)
        game->theMap->setTileAt(22, row, 1); // brick from x 1056 to 1103
    game->world.player->x = 1010;
    game->world.player->y = 1000;
    AIActor* walker = h.place<AIActor>(1010, 1200);
    walker->walkTo(1300, 1200);
    walker->setState(STATE_WALKING);
    Bullet* b = game->world.shots.put(std::make_unique<Bullet>());
    b->x = 1040;
    b->y = 1400;
    b->team = 0;
    b->range = 700;
    b->speed = 1000; // 100 px in a bounded frame, more than the wall is thick

    h.io().press(SDLK_SPACE); // past the help screen
    h.io().hold(SDLK_RIGHT, true);
    h.io().frameMs = 500;
    h.runFrames(4);
    EXPECT_LE(game->delta, 0.1f) << "a stall slows the world instead of teleporting it";
    EXPECT_LT(game->world.player->x + 40, 1056.0f);
    EXPECT_LT(walker->x + 40, 1056.0f);
    EXPECT_TRUE(game->world.shots.empty()) << "the bullet stopped at the wall";
}

} // namespace
