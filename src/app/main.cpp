#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "game/CGame.h"
#include "game/replay/Recording.h"
#include "app/SDLMain.h"
#include "app/SdlPlatform.h"

int main(int argc, char** argv)
{
    // Progress lines reach a log or a pipe as they happen.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string recordPath, replayPath;
    for (int i = 1; i + 1 < argc; i++) {
        if (strcmp(argv[i], "--record") == 0)
            recordPath = argv[++i];
        else if (strcmp(argv[i], "--replay") == 0)
            replayPath = argv[++i];
    }
    Recording replay;
    if (!replayPath.empty()) {
        std::string error;
        if (!replay.load(replayPath, error)) {
            fprintf(stderr, "Cannot replay %s: %s\n", replayPath.c_str(), error.c_str());
            return 2;
        }
    }
    if (!findDataFolder(argc > 0 ? argv[0] : nullptr))
        return 1;
    auto game = std::make_unique<CGame>(800, 600, std::make_unique<SdlPlatform>());
    if (!replayPath.empty())
        return game->replaySession(replay);
    game->recordPath = recordPath;
    printf("Passing to menu loop\n");
    game->menuLoop();
    return 0;
}
