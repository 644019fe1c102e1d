#include "game/CGame.h"

#include <string>

#include "script/ScriptManager.h"

// Runs a dialogue or trigger script to its end within this call, in a fresh
// state with the game functions. A cut-scene the script asked for starts
// only after it has ended.
void CGame::runScript(const char* filename)
{
    // The caller's text may live in something the script changes.
    std::string path = filename;
    script->reset();
    scriptEngineInterface();
    script->execScript(path.c_str(), false);
    if (shouldLoadCinema) {
        std::string name = cinemaName;
        shouldLoadCinema = false;
        cinemaName = "";
        initCinema(name.c_str());
    }
}
