#include <cstdio>
#include <memory>

#include "game/CGame.h"
#include "app/SDLMain.h"
#include "app/SdlPlatform.h"

int main(int argc, char** argv)
{
    // Progress lines reach a log or a pipe as they happen.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    if (!findDataFolder(argc > 0 ? argv[0] : nullptr))
        return 1;
    auto game = std::make_unique<CGame>(800, 600, std::make_unique<SdlPlatform>());
    printf("Passing to menu loop\n");
    game->menuLoop();
    return 0;
}
