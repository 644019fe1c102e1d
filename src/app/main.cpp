#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "game/CGame.h"
#include "game/input/GamepadPlatform.h"
#include "game/replay/Recording.h"
#include "app/SDLMain.h"
#include "app/SdlPlatform.h"

int main(int argc, char** argv)
{
    // Progress lines reach a log or a pipe as they happen.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    std::string recordPath, replayPath;
    int scale = 0;
    for (int i = 1; i + 1 < argc; i++) {
        if (strcmp(argv[i], "--record") == 0) {
            recordPath = argv[++i];
        } else if (strcmp(argv[i], "--replay") == 0) {
            replayPath = argv[++i];
        } else if (strcmp(argv[i], "--scale") == 0) {
            const char* n = argv[++i];
            if (strlen(n) != 1 || n[0] < '1' || n[0] > '4') {
                fprintf(stderr, "--scale takes 1, 2, 3 or 4, not %s\n", n);
                return 2;
            }
            scale = n[0] - '0';
        }
    }
    Recording replay;
    if (!replayPath.empty()) {
        std::string error;
        if (!replay.load(replayPath, error)) {
            fprintf(stderr, "Cannot replay %s: %s\n", replayPath.c_str(), error.c_str());
            return 2;
        }
    }
    // The game may move to its data folder; the recording stays where asked.
    if (!recordPath.empty() && recordPath[0] != '/') {
        std::vector<char> cwd(4096);
        if (getcwd(cwd.data(), cwd.size()))
            recordPath = std::string(cwd.data()) + "/" + recordPath;
    }
    if (!findDataFolder(argc > 0 ? argv[0] : nullptr))
        return 1;
    auto sdl = std::make_unique<SdlPlatform>();
    sdl->scale = scale;
    auto pad = std::make_unique<GamepadPlatform>(std::move(sdl), 800, 600);
    GamepadPlatform* gamepad = pad.get();
    auto game = std::make_unique<CGame>(800, 600, std::move(pad));
    gamepad->openFirstJoystick();
    if (!replayPath.empty())
        return game->replaySession(replay);
    game->recordPath = recordPath;
    printf("Passing to menu loop\n");
    game->menuLoop();
    return 0;
}
