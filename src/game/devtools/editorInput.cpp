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
    std::string path = g.files.writePath(mapFile(g.ed.curMap));
    if (!path.empty())
        g.theMap->saveMap(path.c_str());
}
}

// One frame of editor input: the pending events, then the held keys.
void CGame::editorInput()
{
    int tiles = Editor::paletteSize((int)tileSprites->size());
    int rows = Editor::paletteRows(scrHeight);
    bool frameDone = false;

    while (!frameDone && io->pollEvent(event)) {
        if (event.type == SDL_QUIT) {
            bGameOver = true;
        } else if (event.type == SDL_KEYDOWN) {
            switch (event.key.keysym.sym) {
            case SDLK_F2:
                printf("Saving map...\n");
                saveEditedMap(*this);
                break;
            case SDLK_F1:
                // Past the last existing map the cycle starts again at map 0.
                ed.curMap++;
                printf("Changing map to %i\n", ed.curMap);
                if (theMap->loadMap(files.readPath(mapFile(ed.curMap)).c_str()) != 0) {
                    ed.curMap = 0;
                    theMap->loadMap(files.readPath(mapFile(0)).c_str());
                }
                break;
            case SDLK_ESCAPE:
                bGameOver = true;
                break;
            case SDLK_z:
                ed.previousTile();
                break;
            case SDLK_x:
                ed.nextTile(tiles, rows);
                break;
            default:
                break;
            }
        } else if (event.type == SDL_MOUSEMOTION) {
            ed.mouseX = event.motion.x;
            ed.mouseY = event.motion.y;
        } else if (event.type == SDL_MOUSEBUTTONDOWN && !isWheelButton(event.button.button)) {
            int tx, ty;
            ed.screenToTile(event.button.x, event.button.y, scrWidth, scrHeight, tx, ty);
            if (event.button.button == SDL_BUTTON_RIGHT) {
                // The first corner ends this frame's event handling; the
                // rest wait for the next frame.
                frameDone = ed.rectangleClick(tx, ty, *theMap);
            } else {
                printf("Laying tile at (%i,%i)\n", tx, ty);
                theMap->setTileAt(tx, ty, ed.curTile);
            }
        }
    }

    Uint8* keys = io->keyState();
    if (keys[SDLK_h]) {
        int L = font->getLineHeight();
        font->print("Z/X: Scroll tile palette", 0, scrHeight - 5 * L);
        font->print("Cursor keys/WASD: Scroll the map", 0, scrHeight - 4 * L);
        font->print("   + SPACE: Scroll faster", 0, scrHeight - 3 * L);
        font->print("F1: Load next map", 0, scrHeight - 2 * L);
        font->print("F2: Save map to disk", 0, scrHeight - L);
    }
    ed.scrollWithKeys(keys, delta);
}
