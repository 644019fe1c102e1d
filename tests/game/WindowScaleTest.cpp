// The window at any size: --scale, resizing with bars, F11, the mouse.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "Captured.h"
#include "GameHarness.h"
#include "render/SpriteBatch.h"
#include "world/Map.h"

namespace {

// The colour at a window position (origin top-left).
Rgb windowPixel(int x, int y)
{
    unsigned char rgb[3] = {0, 0, 0};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    SpriteBatch::flush();
    glReadPixels(x, SDL_GetVideoSurface()->h - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

class WindowScale : public ::testing::TestWithParam<int> {};

TEST_P(WindowScale, TheWindowIsTheScaledPictureAndTheMenuSeesPictureClicks)
{
    int n = GetParam();
    GameHarness h;
    h.writeMinimalData();
    h.scale = n;
    CGame* game = h.start();
    ASSERT_NE(SDL_GetVideoSurface(), nullptr);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 800 * n);
    EXPECT_EQ(SDL_GetVideoSurface()->h, 600 * n);
    EXPECT_EQ(game->scrWidth, 800) << "the picture keeps its size";

    // The middle of the menu's turning picture (sprite 6, 256 x 256 from the
    // origin) lies at the scaled spot (one still on the display's screen),
    // and a click on "Survival" (font line height 20: y 520..539) is seen
    // there in picture pixels.
    Rgb corner{0, 0, 0};
    h.io().onFrame = [&](int f) {
        if (f == 1) {
            corner = windowPixel(128 * n, 128 * n);
            h.io().mouseButton(SDL_BUTTON_LEFT, true, 30 * n, 530 * n);
            h.io().quit();
        }
    };
    std::string out = capturedStdout([&] { game->menuLoop(); });
    EXPECT_EQ(corner, spriteColour(6));
    EXPECT_NE(out.find("x,y: 30,530\n"), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(Scales, WindowScale, ::testing::Values(1, 2, 3, 4));

TEST(WindowResize, TheEditorLaysTheTileUnderTheClickInAResizedWindow)
{
    GameHarness h;
    h.writeMinimalData();
    CGame* game = h.start();
    SDL_Event resize = {};
    resize.type = SDL_VIDEORESIZE;
    resize.resize.w = 1000; // bars of 100 on each side
    resize.resize.h = 600;
    h.io().events.push_back(resize);
    h.io().press(SDLK_e); // the editor, with the map's origin at the centre
    // Picture (400 + 100, 300 + 60) is world (100, 60): tile (2, 1).
    h.io().mouseButton(SDL_BUTTON_LEFT, true, 100 + 500, 360);
    h.io().press(SDLK_ESCAPE);
    // Once the editor has taken its input, the menu is closed.
    h.io().onFrame = [&](int) {
        if (h.io().events.empty())
            h.io().quit();
    };
    std::string out = capturedStdout([&] { game->menuLoop(); });
    EXPECT_EQ(SDL_GetVideoSurface()->w, 1000);
    EXPECT_NE(out.find("Laying tile at (2,1)\n"), std::string::npos) << out;
    EXPECT_EQ(game->theMap->getTileAt(2, 1), game->tools.ed.curTile);
}

TEST(WindowFullScreen, F11KeepsTheTexturesAndTheGameNeverSeesTheKey)
{
    GameHarness h;
    h.writeMinimalData();
    CGame* game = h.start();
    Rgb before{0, 0, 0}, after{0, 0, 0};
    bool full = false;
    h.io().onFrame = [&](int f) {
        if (f == 1) {
            before = windowPixel(700, 500);
            h.io().press(SDLK_F11);
        } else if (f == 3) {
            after = windowPixel(700, 500);
            full = (SDL_GetVideoSurface()->flags & SDL_FULLSCREEN) != 0;
            h.io().press(SDLK_F11);
        } else if (f == 5) {
            h.io().quit();
        }
    };
    game->menuLoop();
    EXPECT_EQ(before, spriteColour(19));
    EXPECT_EQ(after, before) << "the sprite still draws after the switch";
    EXPECT_TRUE(full);
    EXPECT_FALSE(SDL_GetVideoSurface()->flags & SDL_FULLSCREEN) << "and back";
}

} // namespace
