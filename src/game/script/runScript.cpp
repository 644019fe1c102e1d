#include "game/CGame.h"

#include <cstdio>
#include <string>

#include "script/ScriptManager.h"

// Runs a dialogue or trigger script to its end within this call, in a fresh
// state with the game functions. A cut-scene the script asked for starts
// only after it has ended.
void CGame::runScript(const char* filename)
{
    // The caller's text may live in something the script changes.
    std::string path = filename;
    if (play.runawayScripts.count(path))
        return;
    script->reset();
    scriptEngineInterface();
    if (!script->execScript(path.c_str(), false)) {
        play.runawayScripts.insert(path);
        fprintf(stderr, "runScript: %s will not run again until the level restarts\n", path.c_str());
    }
    if (play.shouldLoadCinema) {
        std::string name = play.cinemaName;
        play.shouldLoadCinema = false;
        play.cinemaName = "";
        initCinema(name.c_str());
    }
}
