#include "game/CGame.h"

#include <cstdio>
#include <string>

#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "world/Map.h"

namespace {
std::string mapFile(int number)
{
    return "data/map" + std::to_string(number) + ".dat";
}

// Into the user folder's data/ when the game folder is read-only; from there
// the game and the editor load it next.
void saveEditedMap(CGame& g)
{
    std::string path = g.files.writePath(mapFile(g.tools.ed.curMap));
    if (!path.empty())
        g.theMap->saveMap(path.c_str());
}
}

// One frame of editor input: the pending events, then the held keys.
void CGame::editorInput()
{
    int tiles = Editor::paletteSize((int)devices.tileSprites->size());
    int rows = Editor::paletteRows(scrHeight);
    bool frameDone = false;

    while (!frameDone && devices.io->pollEvent(event)) {
        if (event.type == SDL_QUIT) {
            play.bGameOver = true;
        } else if (event.type == SDL_KEYDOWN) {
            switch (event.key.keysym.sym) {
            case SDLK_F2:
                printf("Saving map...\n");
                saveEditedMap(*this);
                break;
            case SDLK_F1:
                // Past the last existing map the cycle starts again at map 0.
                tools.ed.curMap++;
                printf("Changing map to %i\n", tools.ed.curMap);
                if (theMap->loadMap(files.readPath(mapFile(tools.ed.curMap)).c_str()) != 0) {
                    tools.ed.curMap = 0;
                    theMap->loadMap(files.readPath(mapFile(0)).c_str());
                }
                break;
            case SDLK_ESCAPE:
                play.bGameOver = true;
                break;
            case SDLK_z:
                tools.ed.previousTile();
                break;
            case SDLK_x:
                tools.ed.nextTile(tiles, rows);
                break;
            default:
                break;
            }
        } else if (event.type == SDL_MOUSEMOTION) {
            tools.ed.mouseX = event.motion.x;
            tools.ed.mouseY = event.motion.y;
        } else if (event.type == SDL_MOUSEBUTTONDOWN && !isWheelButton(event.button.button)) {
            int tx, ty;
            tools.ed.screenToTile(event.button.x, event.button.y, scrWidth, scrHeight, tx, ty);
            if (event.button.button == SDL_BUTTON_RIGHT) {
                // The first corner ends this frame's event handling; the
                // rest wait for the next frame.
                frameDone = tools.ed.rectangleClick(tx, ty, *theMap);
            } else {
                printf("Laying tile at (%i,%i)\n", tx, ty);
                theMap->setTileAt(tx, ty, tools.ed.curTile);
            }
        }
    }

    Uint8* keys = devices.io->keyState();
    if (keys[SDLK_h]) {
        int L = devices.font->getLineHeight();
        devices.font->print("Z/X: Scroll tile palette", 0, scrHeight - 5 * L);
        devices.font->print("Cursor keys/WASD: Scroll the map", 0, scrHeight - 4 * L);
        devices.font->print("   + SPACE: Scroll faster", 0, scrHeight - 3 * L);
        devices.font->print("F1: Load next map", 0, scrHeight - 2 * L);
        devices.font->print("F2: Save map to disk", 0, scrHeight - L);
    }
    tools.ed.scrollWithKeys(keys, delta);
}
