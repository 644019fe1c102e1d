// The script host without a game: the log, running to the end, the shipped
// scripts, and cut-scene scripts stepped frame by frame.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "Captured.h"
#include "TempDir.h"
#include "script/CinemaScene.h"
#include "game/script/ScriptBindings.h"
#include "script/ScriptManager.h"

namespace fs = std::filesystem;

namespace {

class ScriptHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        oldCwd = fs::current_path();
        fs::current_path(dir.path);
        core = std::make_unique<ScriptManager>();
    }
    void TearDown() override
    {
        scene.reset();
        core.reset();
        fs::current_path(oldCwd);
    }
    // A cut-scene of the given source, compiled and ready to tick.
    void startScene(const std::string& source)
    {
        std::ofstream("scene.mor") << source;
        scene = std::make_unique<CinemaScene>("scene.mor", core.get());
        core->reset();
        addGameFunctions(core.get());
        scene->scriptCinemaInterface(0);
        scene->execScript();
    }
    int ticksUntilUnlocked(float delta)
    {
        int ticks = 0;
        do {
            scene->tickScript(delta);
            ticks++;
        } while (scene->lockState != NOT_LOCKED && ticks < 10000);
        return ticks;
    }
    TempDir dir;
    fs::path oldCwd;
    std::unique_ptr<ScriptManager> core;
    std::unique_ptr<CinemaScene> scene;
};

TEST_F(ScriptHost, LogGetsABannerPerStartAndWhatScriptsPrint)
{
    std::ofstream("hello.mor") << "print(\"hello\\n\");";
    std::string out = capturedStdout([&] {
        core->reset();
        addGameFunctions(core.get());
        core->execScript("hello.mor", true);
        core.reset();
        core = std::make_unique<ScriptManager>();
    });
    std::string log = readFile("morscript-log.txt");
    const std::string banner = "MorScript 0.26 initialized for Larder 2 at ";
    ASSERT_EQ(log.rfind(banner, 0), 0u) << log;
    size_t hello = log.find("\nhello\n");
    ASSERT_NE(hello, std::string::npos) << log;
    EXPECT_EQ(log.find(banner, hello), hello + 7) << "the second start appends, never truncates";
    EXPECT_NE(out.find("script hello.mor executed. 3 opcodes completed\n"), std::string::npos) << out;
}

TEST_F(ScriptHost, AnEndlessScriptIsStoppedAndAMissingOneRunsNothing)
{
    std::ofstream("forever.mor") << "var i = 0; while (1) { i++; }";
    core->reset();
    std::string err = capturedStderr([&] {
        core->execScript("forever.mor", false);
        core->execScript("absent.mor", false);
    });
    EXPECT_NE(err.find("ScriptManager: script forever.mor stopped after 10000000 opcodes without ending\n"),
              std::string::npos);
    EXPECT_NE(err.find("ScriptManager: Cannot open script absent.mor\n"), std::string::npos);
}

TEST_F(ScriptHost, RunningOutOfMemoryStopsTheScriptNotTheGame)
{
    std::ofstream("greedy.mor") << "var i = 0; while (1) { i = grab(i); }";
    core->reset();
    core->addFunction("grab", [](MorScript::State*, int, void*) -> int { throw std::bad_alloc(); }, 1,
                      MorScript::PARAMS_EXACT);
    std::string out = capturedStdout([&] { EXPECT_TRUE(core->execScript("greedy.mor", false)); });
    EXPECT_NE(out.find("Out of memory"), std::string::npos) << out;
    EXPECT_EQ(core->stepScript(1), 0) << "the script stays at its end";
}

TEST_F(ScriptHost, ShippedScriptsCompileWithTheGameAndCutSceneFunctions)
{
    int found = 0;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(LARDER_SOURCE_DIR) / "data")) {
        if (entry.path().extension() != ".mor")
            continue;
        found++;
        core->reset();
        addGameFunctions(core.get());
        addCinemaFunctions(core.get());
        EXPECT_EQ(core->loadScript(entry.path().c_str()), 1) << entry.path();
    }
    EXPECT_GE(found, 2);
}

TEST_F(ScriptHost, CameraScrollsAt65UnitsASecondAndLocksEndEvenOnSlowFrames)
{
    startScene("scrollCamera(500, 0);");
    scene->tickScript(0);
    int ticks = ticksUntilUnlocked(0.05f);
    EXPECT_NEAR(ticks * 0.05f, 491.0f / 65.0f, 0.1f);
    EXPECT_GT(scene->cinemaX, 490.0f);

    // A frame of two seconds moves 130 units: without landing on the target
    // the camera would swing across the arrival window for ever.
    startScene("scrollCamera(500, 0);");
    scene->tickScript(0);
    EXPECT_LT(ticksUntilUnlocked(2.0f), 10);

    // Likewise a walker whose step is longer than the way left stops on its goal.
    startScene("lockWalk(npcAdd(1, 1, 0, 0), 300, 0);");
    scene->tickScript(0);
    EXPECT_LT(ticksUntilUnlocked(1.0f), 10);
}

TEST_F(ScriptHost, UnknownCastAndBrokenScenes)
{
    startScene("npcTurn(5, 0, 0); lockWalk(3, 1, 1); done();");
    EXPECT_EQ(capturedStderr([&] {
                  scene->tickScript(0);
                  scene->tickScript(0);
              }),
              "CinemaScene: UID #5 does not apply to any known actor\n"
              "CinemaScene: UID 5 does not apply to any known actor\n"
              "CinemaScene: UID #3 does not apply to any known actor\n"
              "Tried to move a NULL actor. Unlocking.\n");
    EXPECT_TRUE(scene->isDone());

    startScene("npcAdd(1, 1, 0, 0); sayLock(2, ;");
    EXPECT_TRUE(scene->isDone()) << "a scene that does not compile ends at once";
    scene->tickScript(0);
    EXPECT_TRUE(scene->actors.empty()) << "its partial program is never run";
}

} // namespace
