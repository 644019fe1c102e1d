#include "game/CGame.h"

// The tile-map editor: the map around the view point, the palette and the
// readout, one frame at a time until Escape or the window's close button.
void CGame::editorLoop()
{
    while (!bGameOver) {
        Uint32 start = io->ticks();
        clearScreen();
        // A game left before may have tinted the world; the editor shows true colours.
        setColour(1, 1, 1, 1);
        drawTileLayer((int)ed.scrollX, (int)ed.scrollY);
        editorHUD();
        editorInput();
        io->swapBuffers();
        io->delay(0);
        delta = (float)(io->ticks() - start) / 1000.0f;
    }
}
