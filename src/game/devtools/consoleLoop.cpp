#include "game/CGame.h"

#include "game/flow/ModalLoop.h"
#include "render/KelBitmapFont.h"

// The console over a frozen game: the history newest at the bottom, the line
// being typed below it. Only letters and spaces can be typed.
void CGame::consoleLoop()
{
    bool open = true;
    ModalLoop console;
    console.running = [&] { return open; };
    console.frame = [&] {
        clearScreen();
        int S = devices.smallfont->getLineHeight();
        int y = scrHeight - S - S;
        for (auto entry = tools.consoleHistory.rbegin(); entry != tools.consoleHistory.rend() && y > -S;
             ++entry, y -= S)
            devices.smallfont->print(*entry, 0, y);
        devices.smallfont->print(tools.consoleLine, 0, scrHeight - S);
        return true;
    };
    console.eventsAt = ModalLoop::EVENTS_AFTER_FRAME;
    console.onEvent = [&](const SDL_Event& e) {
        if (e.type == SDL_QUIT) {
            open = false; // closes the console only; the game goes on
            return true;
        }
        if (e.type != SDL_KEYDOWN)
            return true;
        SDLKey key = e.key.keysym.sym;
        if (key >= SDLK_a && key <= SDLK_z) {
            tools.consoleLine += (char)('a' + (key - SDLK_a));
        } else if (key == SDLK_SPACE) {
            tools.consoleLine += " ";
        } else if (key == SDLK_BACKSPACE) {
            if (!tools.consoleLine.empty())
                tools.consoleLine.pop_back();
        } else if (key == SDLK_UP) {
            tools.consoleLine = tools.lastLine;
        } else if (key == SDLK_RETURN) {
            consolePrint(tools.consoleLine);
            if (processConsole(tools.consoleLine) < 0)
                open = false;
            tools.lastLine = tools.consoleLine;
            tools.consoleLine.clear();
        } else if (key == SDLK_ESCAPE || key == SDLK_BACKQUOTE) {
            open = false;
        }
        return true;
    };
    console.delayBeforeSwap = true;
    console.timing = [this](Uint32) {
        delta = 0; // the time spent here is not game time
        return true;
    };
    console.run(*devices.io, event);
}
