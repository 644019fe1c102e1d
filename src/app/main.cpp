#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/SDLMain.h"
#include "app/SdlPlatform.h"
#include "data/Version.h"
#include "game/CGame.h"

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

    StartSettings settings;
    settings.fullscreen = line.fullscreen;
    if (!enterGameFolder(line.dataFolder, argc > 0 ? argv[0] : nullptr, settings.files))
        return 1;
    auto game = std::make_unique<CGame>(800, 600, std::make_unique<SdlPlatform>(), settings);
    printf("Passing to menu loop\n");
    game->menuLoop();
    return 0;
}
