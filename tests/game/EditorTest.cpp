// The map editor, opened from the menu and driven through the scripted seam.
#include <gtest/gtest.h>

#include "GameHarness.h"
#include "world/Map.h"

// With the view at the origin, screen (400, 300) is the corner of tile (0, 0).
static int onTile(int t, int centre) { return centre + 48 * t + 10; }

TEST(EditorFlow, LaysFillsScrollsSavesCyclesMapsAndReturnsToTheMenu)
{
    GameHarness h;
    h.writeMinimalData();
    h.writeMap(1, 7);
    CGame* game = h.start();
    game->tools.ed.curTile = 5; // the E key starts the editor afresh
    Rgb laid, palette;
    int map1Tile = -1;
    h.io().onFrame = [&](int frame) { // frame 1 is the menu's, 2 the editor's first
        if (frame == 1)
            h.io().press(SDLK_e);
        if (frame == 2) {
            h.io().press(SDLK_x);
            h.io().press(SDLK_x);
            h.io().mouseButton(SDL_BUTTON_LEFT, true, onTile(2, 400), onTile(1, 300));
            h.io().mouseButton(SDL_BUTTON_WHEELDOWN, true, onTile(7, 400), onTile(1, 300)); // lays nothing
            h.io().mouseButton(SDL_BUTTON_RIGHT, true, onTile(5, 400), onTile(2, 300));
            h.io().mouseButton(SDL_BUTTON_RIGHT, true, onTile(3, 400), onTile(4, 300)); // next frame
        }
        if (frame == 4) { // drawing precedes input: this frame shows the click
            laid = h.pixel(onTile(2, 400), onTile(1, 300));
            palette = h.pixel(60, 2 * 48 + 24); // selected tile 2 stands out at x 20
            h.io().hold(SDLK_SPACE, true);
            h.io().hold(SDLK_RIGHT, true);
        }
        if (frame == 9) { // five frames of 20 ms at 1420 pixels a second
            h.io().hold(SDLK_RIGHT, false);
            h.io().mouseButton(SDL_BUTTON_LEFT, true, 410, 310); // world (152, 10)
            h.io().press(SDLK_F2);
            h.io().press(SDLK_F1);
        }
        if (frame == 10) {
            map1Tile = game->theMap->getTileAt(40, 40);
            h.io().press(SDLK_F1); // no map 2: back to the saved map 0
            h.io().press(SDLK_ESCAPE);
        }
        if (frame == 12)
            h.io().quit();
    };
    game->menuLoop();
    EXPECT_EQ(h.io().framesDone, 12) << "the editor returns to the menu";
    EXPECT_EQ(laid, tileColour(2));
    EXPECT_EQ(palette, tileColour(2));
    EXPECT_NEAR(game->tools.ed.scrollX, 142.0f, 0.01f);
    EXPECT_EQ(map1Tile, 7);
    EXPECT_EQ(game->tools.ed.curMap, 0);
    for (int y = 0; y < 80; y++)
        for (int x = 0; x < 80; x++) {
            bool filled = x >= 3 && x <= 5 && y >= 2 && y <= 4;
            bool clicked = (x == 2 && y == 1) || (x == 3 && y == 0);
            ASSERT_EQ(game->theMap->getTileAt(x, y), filled || clicked ? 2 : 0) << x << "," << y;
        }
}
