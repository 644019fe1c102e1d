// Recording a played game and playing it again from the file.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "Captured.h"
#include "GameHarness.h"
#include "TempDir.h"
#include "game/replay/Recording.h"
#include "world/Actor.h"
#include "world/GameRandom.h"

namespace {

const char* const CIVILIAN = "isAI=1\nisCop=0\nhasScript=0\ndialogue=Hi.\nrunAwayAngle=15\n"
                             "state=0\ntargetX=300\ntargetY=40\nscript=\nhp=5\nmax_hp=5\n"
                             "level=1\nheading=0\nnumSprites=3\nstartSprite=45\nportrait=1\n";

std::string civilianAt(int x, int y)
{
    return std::string(CIVILIAN) + "x=" + std::to_string(x) + "\ny=" + std::to_string(y) +
           "\nteam=1\n";
}

// A story game with a pistol underfoot, a pill to the right and a civilian
// in the line of fire; a second one far away keeps the game from being won.
// The script takes the gun, shoots, walks onto the pill, takes it, walks on
// through slow motion and leaves with Escape. Frames vary in length.
void scriptSession(GameHarness& h)
{
    h.writeMinimalData();
    h.writeFile("data/entities.txt", "pistol 40 40 0\npill 130 40 0\n");
    h.writeFile("data/actors/0.def", civilianAt(400, 40));
    h.writeFile("data/actors/1.def", civilianAt(3000, 3000));
    h.start();
    ScriptedPlatform& io = h.io();
    io.onFrame = [&io](int n) {
        io.frameMs = 15 + n % 11;
        switch (n) {
        case 1: io.press(SDLK_RETURN); break;     // the help screen
        case 3: io.press(SDLK_SPACE); break;      // the pistol
        case 4: io.mouseMotion(700, 300); break;  // aim right
        case 5: io.mouseButton(SDL_BUTTON_LEFT, true, 700, 300); break;
        case 40: io.mouseButton(SDL_BUTTON_LEFT, false, 700, 300); break;
        case 41: io.key(SDLK_d, true); break;
        case 58: io.key(SDLK_d, false); break;
        case 59: io.press(SDLK_SPACE); break;     // the pill
        case 60: io.key(SDLK_d, true); break;
        case 90: io.key(SDLK_d, false); break;
        case 100: io.press(SDLK_ESCAPE); break;
        default: break;
        }
    };
}

TEST(Replay, ARecordedGameReplaysToTheSameStateAndADamagedFileIsRefused)
{
    GameHarness h{GameHarness::NO_WINDOW};
    scriptSession(h);
    CGame* game = h.game();
    std::string file = h.dir + "/session.l2r";
    game->recordPath = file;
    std::string out = capturedStdout([&] { game->playSession(false); });

    ASSERT_EQ(game->corpses.size(), 1u) << "the shot civilian lies dead";
    EXPECT_GT(game->slowMoTimer, 0) << "the pill slowed time down";
    EXPECT_GT(game->player->x, 130) << "the player walked on";
    uint32_t recorded = game->worldChecksum();
    Recording rec;
    std::string error;
    ASSERT_TRUE(rec.load(file, error)) << error;
    EXPECT_EQ(rec.finalState, recorded);
    char line[200];
    snprintf(line, sizeof line, "Recorded %d frames to %s (state %08x)\n", (int)rec.frames.size(),
             file.c_str(), recorded);
    EXPECT_NE(out.find(line), std::string::npos) << out;
    EXPECT_TRUE(game->recordPath.empty()) << "only the first game is recorded";

    // Played again, with a different generator state beforehand and a
    // different clock: the same end.
    h.io().onFrame = nullptr;
    h.io().now += 12345;
    gameRand();
    out = capturedStdout([&] { EXPECT_EQ(game->replaySession(rec), 0); });
    EXPECT_EQ(game->worldChecksum(), recorded);
    snprintf(line, sizeof line, "Replay of %d frames ended (state %08x)\n", (int)rec.frames.size(),
             recorded);
    EXPECT_NE(out.find(line), std::string::npos) << out;

    // A byte changed, a cut end or a foreign file: refused.
    std::string bytes = readFile(file);
    std::string damaged = bytes;
    damaged[bytes.size() / 2] ^= 0x20;
    std::string cases[] = {damaged, bytes.substr(0, bytes.size() - 9), "pill 40 40 0\n"};
    for (const std::string& c : cases) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << c;
        Recording bad;
        EXPECT_FALSE(bad.load(file, error));
    }
}

} // namespace
