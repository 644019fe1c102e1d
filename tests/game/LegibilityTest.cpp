// The head-up display's text reads on the town's lightest floor and on its
// darkest: the shipped fonts carry a dark rim around light glyphs, so part of
// every printed text stands well apart from the floor under it.
#include <gtest/gtest.h>

#include <SDL_image.h>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "GameHarness.h"
#include "render/KelBitmapFont.h"
#include "render/TextWrap.h"
#include "world/Map.h"

namespace {

int luminance(const Rgb& c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

// Mean luminance of a shipped tile picture.
int tileLuminance(int tile)
{
    std::string path = "data/tiles/" + std::to_string(tile) + ".png";
    SDL_Surface* s = IMG_Load(path.c_str());
    if (!s)
        return -1;
    SDL_Surface* rgb = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, 0xff, 0xff00,
                                            0xff0000, 0xff000000);
    SDL_BlitSurface(s, nullptr, rgb, nullptr);
    long sum = 0;
    Uint8* p = (Uint8*)rgb->pixels;
    for (int i = 0; i < s->w * s->h; i++)
        sum += luminance({p[4 * i], p[4 * i + 1], p[4 * i + 2]});
    int mean = (int)(sum / (s->w * s->h));
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(s);
    return mean;
}

TEST(Legibility, HudTextStandsOutOnTheLightestAndTheDarkestFloor)
{
    namespace fs = std::filesystem;
    GameHarness h;
    fs::create_directory_symlink(fs::path(LARDER_SOURCE_DIR) / "data", "data");
    CGame* game = h.start();
    game->newGame();

    int lightest = 0, darkest = 0;
    for (int t = 0; t < 45; t++) {
        int l = tileLuminance(t);
        if (l >= 0 && l > tileLuminance(lightest))
            lightest = t;
        if (l >= 0 && l < tileLuminance(darkest))
            darkest = t;
    }
    const std::string text = "Press SPACE to swap your gun.";
    for (int tile : {lightest, darkest}) {
        for (int y = 0; y < Map::SIZE; y++)
            for (int x = 0; x < Map::SIZE; x++)
                game->theMap->setTileAt(x, y, tile);
        for (KelBitmapFont* font : {game->font, game->smallfont}) {
            game->clearScreen();
            game->drawTileLayer(1000, 1000);
            font->print(text, 100, 300);
            TextBox box = textBox(*font, text, 100, 300);
            // Pixels of the text that differ clearly from the floor around
            // them: the floor's own pixels just above the text set the level.
            int floorLevel = 0;
            for (int x = box.left; x < box.right; x++)
                floorLevel += luminance(h.pixel(x, box.top - 3));
            floorLevel /= box.right - box.left;
            int apart = 0, all = 0;
            for (int y = box.top; y < box.bottom; y++) {
                for (int x = box.left; x < box.right; x++) {
                    all++;
                    apart += std::abs(luminance(h.pixel(x, y)) - floorLevel) >= 100;
                }
            }
            EXPECT_GE(apart * 100, all * 15)
                << "tile " << tile << " (floor luminance " << floorLevel << "), font line height "
                << font->getLineHeight() << ": " << apart << " of " << all << " pixels stand out";
        }
    }
}

} // namespace
