// Recording a played game and playing it again from the file.
#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>
#include <string>

#include "Captured.h"
#include "GameHarness.h"
#include "TempDir.h"
#include "game/replay/Recording.h"
#include "game/replay/RecordingPlatform.h"
#include "game/replay/ReplayPlatform.h"
#include "audio/SoundEffectManager.h"
#include "world/Actor.h"
#include "world/Effect.h"
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

TEST(Replay, ARecordedGameReplaysToTheSameStateAQuitEndsItAndADamagedFileIsRefused)
{
    GameHarness h{GameHarness::NO_WINDOW};
    scriptSession(h);
    CGame* game = h.game();
    std::string file = h.dir + "/session.l2r";
    game->recordPath = file;
    std::string out = capturedStdout([&] { game->playSession(false); });

    ASSERT_EQ(game->world.corpses.size(), 1u) << "the shot civilian lies dead";
    EXPECT_GT(game->play.slowMoTimer, 0) << "the pill slowed time down";
    EXPECT_GT(game->world.player->x, 130) << "the player walked on";
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

    // The machine's input is ignored during a replay (Escape would end the
    // game), but a quit request (close button, SIGTERM) ends it at once.
    int first = h.io().framesDone;
    h.io().onFrame = [&](int n) {
        if (n == first + 5)
            h.io().press(SDLK_ESCAPE);
        if (n == first + 20)
            h.io().quit();
    };
    std::string err;
    out = capturedStdout([&] { err = capturedStderr([&] { EXPECT_EQ(game->replaySession(rec), 0); }); });
    h.io().onFrame = nullptr;
    int played = -1, total = -1;
    ASSERT_EQ(sscanf(out.c_str() + out.find("Replay stopped"),
                     "Replay stopped by a quit request after %d of %d frames", &played, &total), 2) << out;
    EXPECT_EQ(played, 20) << "the request is taken in the frame after it came";
    EXPECT_EQ(total, (int)rec.frames.size());
    EXPECT_NE(out.find("Replay of 20 frames ended (state "), std::string::npos) << out;
    EXPECT_EQ(err.find("WARN)"), std::string::npos) << "no warning about a state not reached: " << err;

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

std::string le(uint64_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; i++)
        out += (char)(value >> (8 * i));
    return out;
}

std::string header(int mode, uint32_t frames)
{
    return "L2REPLAY" + le(Recording::VERSION, 4) + le(mode, 1) + le(42, 8) + le(1000, 4) + le(frames, 4);
}

// A frame that lasted ms, no key held, `quits` quit events.
std::string frame(uint32_t ms, int quits)
{
    return le(ms, 4) + le(0, 2) + le(quits, 2) + std::string(quits, (char)SDL_QUIT);
}

// The final state and the checksum that close the file.
std::string sealed(std::string bytes)
{
    bytes += le(0, 4);
    return bytes + le(recordingChecksum(bytes.data(), bytes.size()), 4);
}

// The senses follow the rules: for a scripted game, the samples asked for
// (sample/channel, in order) and the effects left on the map (their kinds in
// order, and a fingerprint of where they lie) stay what they were when the
// rules played sounds and spawned effects themselves.
TEST(Replay, ASessionSoundsAndMarksTheMapInTheSameOrder)
{
    GameHarness h{GameHarness::NO_WINDOW};
    scriptSession(h);
    CGame* game = h.game();
    auto scripted = h.io().onFrame;
    h.io().onFrame = [&](int n) {
        scripted(n);
        if (n == 44 || n == 45)
            h.io().press(SDLK_r); // a reload
    };
    gameRandom().seed(42);
    std::string samples;
    game->devices.sfx->listener = [&](unsigned sample, int channel) {
        samples += std::to_string(sample) + "/" + std::to_string(channel) + " ";
    };
    capturedStdout([&] { game->playSession(false); });
    std::string kinds;
    uint32_t where = 2166136261u;
    for (Effect* e : game->world.effects) {
        kinds += std::to_string(e->getGraphic()) + " ";
        for (double v : {(double)e->getX(), (double)e->getY(), e->getRotation(),
                         (double)e->getSpeedY(), (double)e->getWidth()})
            where = (where ^ (uint32_t)(int64_t)(v * 1000)) * 16777619u;
    }
    // Two shots, a hit, a death, two reloads; two casings, then the hit's and
    // the body's blood.
    EXPECT_EQ(samples, "7/0 7/0 5/1 8/2 6/0 6/0 ");
    EXPECT_EQ(kinds, "25 25 11 11 12 11 10 10 12 ");
    EXPECT_EQ(where, 719812153u);
}

TEST(Replay, RecordingsOutsideTheLimitsAreRefusedFromTheHeaderOn)
{
    TempDir dir;
    Recording rec;
    std::string error;
    ASSERT_TRUE(rec.load(dir.write("limit.l2r", sealed(header(1, 2) + frame(Recording::MAX_FRAME_MS, 1) +
                                                       frame(0, 0))), error)) << error;
    EXPECT_TRUE(rec.survival);
    EXPECT_EQ(rec.frames[0].ms, Recording::MAX_FRAME_MS);

    std::string manyEvents = header(0, 31);
    for (int i = 0; i < 31; i++)
        manyEvents += frame(0, 0xffff);
    std::string huge = dir.write("huge.l2r", sealed(header(0, 1) + frame(16, 0)));
    ASSERT_EQ(truncate(huge.c_str(), (off_t)Recording::MAX_FILE_BYTES + 1), 0);
    struct {
        std::string path, refusal;
    } cases[] = {
        {dir.write("slow.l2r", sealed(header(0, 1) + frame(0xffffffff, 0))), "a frame lasts 4294967295 ms"},
        {dir.write("mode.l2r", sealed(header(6, 1) + frame(16, 0))), "unknown game mode 6"},
        {dir.write("frames.l2r", sealed(header(0, Recording::MAX_FRAMES + 1))), "1000001 frames"},
        {dir.write("events.l2r", sealed(manyEvents)), "more input than a recording may"},
        {huge, "larger than any recording"},
        {"/dev/zero", "not a Larder ][ recording"},
    };
    for (const auto& c : cases) {
        Recording bad;
        EXPECT_FALSE(bad.load(c.path, error)) << c.path;
        EXPECT_NE(error.find(c.refusal), std::string::npos) << c.path << ": " << error;
    }
    // Nor is such a recording written.
    rec.frames[1].ms = Recording::MAX_FRAME_MS + 1;
    EXPECT_FALSE(rec.save(dir.file("out.l2r"), error));
}

// A stall is kept as the longest frame a recording may hold, and a replay
// never waits longer than that, whatever the recording says.
TEST(Replay, LongFramesAreBoundedWhenRecordedAndWhenReplayed)
{
    Recording rec;
    auto machine = std::make_unique<ScriptedPlatform>(false);
    ScriptedPlatform* clock = machine.get();
    clock->frameMs = 5000;
    RecordingPlatform recorder(std::move(machine), rec);
    recorder.swapBuffers();
    ASSERT_EQ(rec.frames.size(), 1u);
    EXPECT_EQ(rec.frames[0].ms, Recording::MAX_FRAME_MS);
    EXPECT_EQ(recorder.ticks(), rec.startTicks + Recording::MAX_FRAME_MS);

    rec.frames[0].ms = 0xffffffff;
    clock->frameMs = 0;
    ReplayPlatform replay(recorder.release(), rec);
    Uint32 before = clock->now;
    replay.swapBuffers();
    EXPECT_EQ(clock->now - before, Recording::MAX_FRAME_MS);
}

} // namespace
