#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/CommandLine.h"
#include "app/SDLMain.h"
#include "app/SdlPlatform.h"
#include "data/Version.h"
#include "game/CGame.h"
#include "game/input/GamepadPlatform.h"
#include "game/replay/Recording.h"

#ifdef __EMSCRIPTEN__
#include "app/WebPlatform.h"
using MachinePlatform = WebPlatform;
#else
using MachinePlatform = SdlPlatform;
#endif

namespace {
// A path given on the command line, made absolute: the game may move to its
// game folder before it uses it.
std::string fromWorkingFolder(const std::string& path)
{
    if (path.empty() || path[0] == '/')
        return path;
    std::vector<char> cwd(4096);
    return getcwd(cwd.data(), cwd.size()) ? std::string(cwd.data()) + "/" + path : path;
}
}

int main(int argc, char** argv)
{
    // Progress lines reach a log or a pipe as they happen.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    CommandLine line = parseCommandLine(argc, argv);
    switch (line.action) {
    case CommandLine::SHOW_HELP:
        fputs(usageText(installedDataFolder()).c_str(), stdout);
        return 0;
    case CommandLine::SHOW_VERSION:
        printf("Larder ][ %s\n", LARDER_VERSION);
        return 0;
    case CommandLine::FAIL:
        fprintf(stderr, "larder2: %s\nTry 'larder2 --help' for the options.\n", line.error.c_str());
        return 2;
    case CommandLine::PLAY:
        break;
    }

    Recording replay;
    if (!line.replayPath.empty()) {
        std::string error;
        if (!replay.load(line.replayPath, error)) {
            fprintf(stderr, "larder2: cannot replay %s: %s\n", line.replayPath.c_str(), error.c_str());
            return 2;
        }
    }
    std::string recordPath = fromWorkingFolder(line.recordPath);

    StartSettings settings;
    settings.fullscreen = line.fullscreen;
    if (!enterGameFolder(line.dataFolder, argc > 0 ? argv[0] : nullptr, settings.files))
        return 1;
    auto sdl = std::make_unique<MachinePlatform>();
    sdl->scale = line.scale;
    auto pad = std::make_unique<GamepadPlatform>(std::move(sdl), 800, 600);
    GamepadPlatform* gamepad = pad.get();
    auto game = std::make_unique<CGame>(800, 600, std::move(pad), settings);
    gamepad->openFirstJoystick();
    if (!line.replayPath.empty())
        return game->replaySession(replay);
    game->recordPath = recordPath;
    printf("Passing to menu loop\n");
    game->menuLoop();
    return 0;
}
