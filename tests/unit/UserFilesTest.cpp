// Where the data is looked for, where user files go, and the command line.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "Captured.h"
#include "TempDir.h"
#include "app/CommandLine.h"
#include "data/DataPaths.h"
#include "data/UserFiles.h"

namespace {
// Makes folder/data/map0.dat under the temporary folder; returns folder's path.
std::string gameFolder(const TempDir& dir, const std::string& name)
{
    std::string folder = dir.file(name);
    mkdir(folder.c_str(), 0755);
    mkdir((folder + "/data").c_str(), 0755);
    dir.write(name + "/data/map0.dat", "A\n");
    return folder;
}

std::vector<std::string> folders(const std::vector<DataPlace>& places)
{
    std::vector<std::string> out;
    for (const DataPlace& p : places)
        out.push_back(p.folder);
    return out;
}
}

TEST(DataSearch, FirstFolderHoldingTheMapWinsInTheDocumentedOrder)
{
    TempDir dir;
    std::string opt = dir.file("opt"), var = dir.file("var"), cwd = dir.file("cwd"),
                exe = dir.file("exe/bin"), fromExe = dir.file("exe/share"), abs = dir.file("abs");
    mkdir(dir.file("exe").c_str(), 0755);
    auto order = [&] { return dataSearchOrder(opt, var, cwd, exe, fromExe, abs); };
    EXPECT_EQ(folders(order()), (std::vector<std::string>{opt, var, cwd, exe, exe + "/..", fromExe, abs}));
    EXPECT_EQ(findGameFolder(order()), -1);
    EXPECT_NE(noDataMessage(order()).find("  " + exe + "/.. (executable's parent folder)\n"), std::string::npos);

    // Each folder, once it holds the data, beats every one after it.
    const std::string* each[] = {&abs, &fromExe, &exe, &cwd, &var, &opt};
    int expected[] = {6, 5, 3, 2, 1, 0};
    for (int i = 0; i < 6; i++) {
        gameFolder(dir, each[i]->substr(dir.path.size() + 1));
        EXPECT_EQ(findGameFolder(order()), expected[i]) << *each[i];
    }
    // The executable's parent comes before the installed folders.
    std::string other = gameFolder(dir, "other");
    mkdir((other + "/bin").c_str(), 0755);
    EXPECT_EQ(findGameFolder(dataSearchOrder("", "", dir.file("none"), other + "/bin", fromExe, abs)), 2);

    // Unset option and variable are skipped; one folder under two names is
    // tried once, and counts as installed when it is the installed one.
    std::vector<DataPlace> places = dataSearchOrder("", "", abs, exe, fromExe, abs + "/../abs");
    EXPECT_EQ(folders(places), (std::vector<std::string>{abs, exe, exe + "/..", fromExe}));
    EXPECT_EQ(places[0].kind, DataPlace::INSTALLED);
    EXPECT_EQ(places[1].kind, DataPlace::BESIDE);
}

TEST(UserFolder, WritableGameFolderKeepsThePlainNames)
{
    UserFiles files = UserFiles::choose(true, {"/home/u", "", ""});
    EXPECT_TRUE(files.inGameFolder());
    EXPECT_EQ(files.writePath("sshot.bmp"), "sshot.bmp");
    EXPECT_EQ(files.writePath("data/map0.dat"), "data/map0.dat");
    EXPECT_EQ(files.readPath("data/map0.dat"), "data/map0.dat");

    TempDir dir;
    EXPECT_TRUE(UserFiles::writable(gameFolder(dir, "game")));
    if (geteuid() != 0) { // root writes anywhere
        chmod(dir.file("game").c_str(), 0555);
        EXPECT_FALSE(UserFiles::writable(dir.file("game")));
        chmod(dir.file("game").c_str(), 0755);
    }
}

TEST(UserFolder, ReadOnlyGameFolderWritesBelowXdgDataHomeMadeOnFirstUse)
{
    TempDir dir;
    EXPECT_EQ(UserFiles::choose(false, {"/home/u", "", ""}).folder(), "/home/u/.local/share/larder2");
    EXPECT_EQ(UserFiles::choose(false, {"/home/u", "relative", ""}).folder(), "/home/u/.local/share/larder2")
        << "a relative XDG_DATA_HOME is ignored";

    UserFiles files = UserFiles::choose(false, {"/nonexistent", dir.file("xdg"), ""});
    EXPECT_EQ(files.folder(), dir.file("xdg/larder2"));
    struct stat st;
    EXPECT_NE(stat(dir.file("xdg").c_str(), &st), 0) << "nothing is made before the first write";
    EXPECT_EQ(files.writePath("data/map1.dat"), dir.file("xdg/larder2/data/map1.dat"));
    EXPECT_EQ(stat(dir.file("xdg/larder2/data").c_str(), &st), 0);

    // Maps there are read first, file by file.
    EXPECT_EQ(files.readPath("data/map1.dat"), "data/map1.dat");
    dir.write("xdg/larder2/data/map1.dat", "B\n");
    EXPECT_EQ(files.readPath("data/map1.dat"), dir.file("xdg/larder2/data/map1.dat"));
    EXPECT_EQ(files.readPath("data/map0.dat"), "data/map0.dat");

    // A folder that cannot be made is reported.
    dir.write("file", "");
    UserFiles blocked = UserFiles::choose(false, {"", dir.file("file"), ""});
    std::string path = "unset";
    EXPECT_NE(capturedStderr([&] { path = blocked.writePath("sshot.bmp"); }).find("Can't write sshot.bmp"),
              std::string::npos);
    EXPECT_EQ(path, "");
}

TEST(UserFolder, MissingHomeLeavesNowhereToWriteAndSaysSo)
{
    UserFiles files = UserFiles::choose(false, {"", "", ""});
    EXPECT_EQ(files.folder(), "");
    std::string path = "unset";
    EXPECT_EQ(capturedStderr([&] { path = files.writePath("console.bmp"); }),
              "Can't write console.bmp: the game folder is read-only and neither XDG_DATA_HOME nor HOME is set\n");
    EXPECT_EQ(path, "");
    EXPECT_EQ(files.readPath("data/map0.dat"), "data/map0.dat");
    EXPECT_EQ(files.configPath(), "config.cfg");
}

TEST(UserFolder, ConfigIsLookedUpInTheUserThenConfigThenGameFolder)
{
    TempDir dir;
    UserEnvironment env{dir.file("home"), "", ""};
    UserFiles separate = UserFiles::choose(false, env);
    UserFiles inGame = UserFiles::choose(true, env);
    EXPECT_EQ(separate.configPath(), "config.cfg");
    mkdir(dir.file("home").c_str(), 0755);
    mkdir(dir.file("home/.config").c_str(), 0755);
    mkdir(dir.file("home/.config/larder2").c_str(), 0755);
    dir.write("home/.config/larder2/config.cfg", "fs\n");
    EXPECT_EQ(inGame.configPath(), dir.file("home/.config/larder2/config.cfg"));
    EXPECT_EQ(separate.writePath("config.cfg"), dir.file("home/.local/share/larder2/config.cfg"));
    dir.write("home/.local/share/larder2/config.cfg", "fs\n");
    EXPECT_EQ(separate.configPath(), dir.file("home/.local/share/larder2/config.cfg"));
}

TEST(CommandLineOptions, ParsesOptionsAndRejectsUnknownOnes)
{
    auto parse = [](std::vector<const char*> args) {
        args.insert(args.begin(), "larder2");
        return parseCommandLine((int)args.size(), args.data());
    };
    CommandLine c = parse({});
    EXPECT_EQ(c.action, CommandLine::PLAY);
    EXPECT_FALSE(c.fullscreen.has_value());
    EXPECT_EQ(c.dataFolder, "");

    c = parse({"--data", "/d", "--fullscreen"});
    EXPECT_EQ(c.dataFolder, "/d");
    EXPECT_EQ(c.fullscreen, std::optional<bool>(true));
    c = parse({"--fullscreen", "--data=/e", "--windowed"});
    EXPECT_EQ(c.dataFolder, "/e");
    EXPECT_EQ(c.fullscreen, std::optional<bool>(false)) << "the last one counts";
    EXPECT_EQ(parse({"--help"}).action, CommandLine::SHOW_HELP);
    EXPECT_EQ(parse({"--version"}).action, CommandLine::SHOW_VERSION);

    EXPECT_EQ(parse({"--bogus"}).error, "unknown option '--bogus'");
    EXPECT_EQ(parse({"-x"}).action, CommandLine::FAIL);
    EXPECT_EQ(parse({"map"}).error, "unexpected argument 'map'");
    EXPECT_EQ(parse({"--data"}).error, "option '--data' needs DIR");
    EXPECT_EQ(parse({"--windowed=yes"}).action, CommandLine::FAIL);
}

// The usage text, the manual page and the README each name every option of
// the command line and the keys, the gamepad and the high-score table.
TEST(CommandLineOptions, HelpManualAndReadmeNameEveryOptionAndKey)
{
    auto lowered = [](std::string text) {
        for (size_t at; (at = text.find("\\-")) != std::string::npos;)
            text.erase(at, 1); // the manual's escaped hyphens
        std::transform(text.begin(), text.end(), text.begin(), ::tolower);
        return text;
    };
    auto read = [&](const char* name) {
        std::ifstream in(std::string(LARDER_SOURCE_DIR) + "/" + name);
        std::stringstream all;
        all << in.rdbuf();
        return lowered(all.str());
    };
    std::string help = lowered(usageText("/usr/share/games/larder2"));
    std::vector<std::string> named = {"f1", "f2", "f11", "escape", "space", "return",
                                      "gamepad", "highscores.txt"};
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);)
        if (line.compare(0, 4, "  --") == 0)
            named.push_back(line.substr(2, line.find(' ', 2) - 2));
    EXPECT_GE(named.size(), 15u);
    for (const auto& [name, text] : {std::pair<const char*, std::string>{"--help", help},
                                     {"larder2.6", read("dist/larder2.6")},
                                     {"README.md", read("README.md")}})
        for (const std::string& word : named)
            EXPECT_NE(text.find(word), std::string::npos) << name << " does not name " << word;
}
