#include "game/CGame.h"

#include <string>

#include "script/CinemaScene.h"
#include "script/ScriptManager.h"

// Starts a cut-scene: a fresh state with the game and cut-scene functions and
// the scene's script compiled; the play loop steps it from the next frame.
void CGame::initCinema(const char* filename)
{
    std::string path = filename;
    // Asked for from inside a running script (a console command run by the
    // script): replacing its state now would pull it from under the script,
    // so the request waits until that script has ended, as "playCinema" does.
    if (script->isRunning()) {
        play.shouldLoadCinema = true;
        play.cinemaName = path;
        return;
    }
    while (devices.io->pollEvent(event)) {
    }
    play.scene.reset(); // the old scene goes before the new one is made
    play.scene = std::make_unique<CinemaScene>(path.c_str(), script.get());
    script->reset();
    scriptEngineInterface();
    play.scene->scriptCinemaInterface(0.0f);
    play.scene->execScript();
    play.bInCinema = true;
}
