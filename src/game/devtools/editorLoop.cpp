#include "game/CGame.h"

#include "game/flow/FrameTiming.h"
#include "game/flow/ModalLoop.h"

// The tile-map editor: the map around the view point, the palette and the
// readout, one frame at a time until Escape or the window's close button.
void CGame::editorLoop()
{
    ModalLoop editor;
    editor.running = [this] { return !play.bGameOver; };
    editor.frame = [this] {
        clearScreen();
        // A game left before may have tinted the world; the editor shows true colours.
        setColour(1, 1, 1, 1);
        drawTileLayer((int)tools.ed.scrollX, (int)tools.ed.scrollY);
        editorHUD();
        editorInput(); // polls the events itself
        return true;
    };
    editor.timing = [this](Uint32 ms) {
        delta = FrameTiming::seconds(ms);
        return true;
    };
    editor.run(*devices.io, event);
}
