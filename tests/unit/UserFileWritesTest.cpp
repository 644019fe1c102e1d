// Every file the game writes, onto a full disk and over a table it cannot
// read: the old file stays byte for byte and the message says which file
// and why.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "Captured.h"
#include "GameHarness.h"
#include "TempDir.h"
#include "data/DataFile.h"
#include "data/HighScoreTable.h"
#include "world/Map.h"

namespace {

namespace fs = std::filesystem;

// A temporary left behind by a failed save, anywhere in the game folder.
bool temporaryLeft()
{
    for (const fs::directory_entry& e : fs::recursive_directory_iterator("."))
        if (e.path().filename().string().find(".saving-") != std::string::npos)
            return true;
    return false;
}

TEST(FullDisk, EveryWriterKeepsTheOldFileAndNamesTheFileAndTheReason)
{
    GameHarness h{GameHarness::NO_WINDOW};
    h.writeMinimalData();
    h.writeFile("log.mor", "print(\"a line for the log\\n\");\n");
    CGame* g = h.start();
    ScriptedPlatform& io = h.io();
    struct Writer {
        const char* file;
        std::function<void()> write;
    };
    const Writer writers[] = {
        {"data/map0.dat", [&] { g->theMap->saveMap("data/map0.dat"); }},
        {"run.l2r",
         [&] {
             // A story game: the help screen taken down, then Escape.
             g->recordPath = "run.l2r";
             int first = io.framesDone;
             io.onFrame = [&io, first](int n) { io.press(n == first + 1 ? SDLK_RETURN : SDLK_ESCAPE); };
             g->playSession(false);
             io.onFrame = nullptr;
         }},
        {"sshot.bmp", [&] { g->takeScreenshot("sshot.bmp"); }},
        {"console.bmp", [&] { g->processConsole("sshot"); }},
        {"highscores.txt",
         [&] {
             HighScoreTable table;
             g->play.survival.score = 7;
             g->recordHighScore(table);
         }},
        {"morscript-log.txt", [&] { g->runScript("log.mor"); }},
    };
    const std::string reason = strerror(ENOSPC);
    for (const Writer& w : writers) {
        SCOPED_TRACE(w.file);
        const std::string old = std::string("the old ") + w.file + "\n";
        h.writeFile(w.file, old);
        failWritesWith(ENOSPC);
        std::string err = capturedStderr([&] { capturedStdout(w.write); });
        std::string again = capturedStderr([&] { capturedStdout(w.write); });
        failWritesWith(0);
        EXPECT_EQ(readFile(w.file), old);
        EXPECT_NE(err.find(w.file), std::string::npos) << err;
        EXPECT_NE(err.find(reason), std::string::npos) << err;
        if (w.file == std::string("morscript-log.txt")) {
            EXPECT_EQ(again, "") << "the log says once that it cannot be written";
        }
        EXPECT_FALSE(temporaryLeft());

        capturedStdout(w.write);
        EXPECT_NE(readFile(w.file), old) << "written once there is room again";
    }
}

// As another user than root, who reads every file.
void asUnprivilegedUser()
{
    if (geteuid() == 0 && setuid(65534) != 0)
        _exit(3);
}

TEST(HighScores, ATableThatCannotBeReadIsReportedAndKept)
{
    GameHarness h{GameHarness::NO_WINDOW};
    h.writeMinimalData();
    CGame* g = h.start();
    const std::string table = std::string(HighScoreTable::HEADER) + "\n40 300 2026-01-01 GOD\n";
    h.writeFile("highscores.txt", table);
    chmod("highscores.txt", 0);
    chmod(".", 0777); // the table could be replaced
    g->play.survival.score = 3;
    EXPECT_EXIT(
        {
            asUnprivilegedUser();
            HighScoreTable best;
            g->recordHighScore(best);
            _exit(best.entries.size() == 1 ? 0 : 1);
        },
        testing::ExitedWithCode(0),
        "WARN\\) highscores.txt: cannot read it: Permission denied; it is left as it is");
    chmod(".", 0700);
    EXPECT_EQ(readFile("highscores.txt"), table);
}

} // namespace
