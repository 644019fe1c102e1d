// A game folder the game may not write: what it writes goes to the user
// folder, and the maps saved there are the ones loaded next.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "GameHarness.h"
#include "TempDir.h"
#include "world/Map.h"

static bool exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

TEST(UserFolder, EditorSavesThereTheGameLoadsItAndScreenshotsGoThere)
{
    GameHarness h;
    h.writeMinimalData();
    std::string gameMap = readFile("data/map0.dat");
    std::string user = h.dir + "/home/.local/share/larder2";
    StartSettings settings;
    settings.files = UserFiles::choose(false, {h.dir + "/home", "", ""});
    CGame* game = h.start(settings);
    EXPECT_TRUE(exists(user + "/morscript-log.txt"));

    game->tools.ed.curTile = 3;
    h.io().onFrame = [&](int frame) {
        if (frame == 1)
            h.io().press(SDLK_e);
        if (frame == 2) {
            h.io().press(SDLK_x);
            h.io().mouseButton(SDL_BUTTON_LEFT, true, 400 + 48 * 2 + 10, 300 + 48 + 10); // tile (2, 1)
            h.io().press(SDLK_F2);
            h.io().press(SDLK_ESCAPE);
        }
        if (frame == 4)
            h.io().quit();
    };
    game->menuLoop();
    EXPECT_EQ(readFile("data/map0.dat"), gameMap) << "the game's own map is untouched";
    ASSERT_TRUE(exists(user + "/data/map0.dat"));

    h.io().onFrame = nullptr;
    game->newGame();
    h.place<Actor>(3000, 3000)->team = 1; // someone left, so the game is not won at once
    EXPECT_EQ(game->theMap->getTileAt(2, 1), 1) << "the saved map is the one loaded";
    h.io().press(SDLK_F2);
    h.play(2);
    EXPECT_TRUE(exists(user + "/sshot.bmp"));
    EXPECT_FALSE(exists("sshot.bmp"));
    EXPECT_FALSE(exists("morscript-log.txt"));
}

TEST(UserFolder, NowhereToWriteIsReportedAndTheCommandLineWindowBeatsConfig)
{
    GameHarness h;
    h.writeMinimalData();
    h.writeFile("config.cfg", "fs\n");
    StartSettings settings;
    settings.files = UserFiles::choose(false, {"", "", ""}); // read-only game folder, no HOME
    settings.fullscreen = false;
    CGame* game = h.start(settings);
    EXPECT_FALSE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN);
    game->newGame();
    game->processConsole("sshot");
    EXPECT_EQ(game->tools.consoleHistory.back(), ">>>couldn't write console.bmp");
    EXPECT_FALSE(exists("console.bmp"));
}
