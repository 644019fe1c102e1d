// The head-up display reads on the town's lightest floor, on its darkest and
// on the black beyond the map: the shipped fonts carry a dark rim around
// light glyphs, and the HUD icons a dark rim inside a pale halo, so part of
// every printed text and every icon stands well apart from what lies under it.
#include <gtest/gtest.h>

#include <SDL_image.h>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "GameHarness.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "render/TextWrap.h"
#include "world/Map.h"
#include "world/SpriteIndex.h"

namespace {

int luminance(const Rgb& c) { return (299 * c.r + 587 * c.g + 114 * c.b) / 1000; }

// A shipped picture as 8-bit RGBA rows, top row first; empty when unreadable.
struct Picture {
    int w = 0, h = 0;
    std::vector<Uint8> rgba;
};

Picture loadPicture(const std::string& path)
{
    Picture pic;
    SDL_Surface* s = IMG_Load(path.c_str());
    if (!s)
        return pic;
    SDL_Surface* rgb = SDL_CreateRGBSurface(SDL_SWSURFACE, s->w, s->h, 32, 0xff, 0xff00,
                                            0xff0000, 0xff000000);
    SDL_SetAlpha(s, 0, 255); // copy alpha as it is instead of blending it away
    SDL_BlitSurface(s, nullptr, rgb, nullptr);
    pic.w = s->w;
    pic.h = s->h;
    Uint8* p = (Uint8*)rgb->pixels;
    for (int y = 0; y < s->h; y++)
        pic.rgba.insert(pic.rgba.end(), p + y * rgb->pitch, p + y * rgb->pitch + 4 * s->w);
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(s);
    return pic;
}

// Mean luminance of a shipped tile picture.
int tileLuminance(int tile)
{
    Picture pic = loadPicture("data/tiles/" + std::to_string(tile) + ".png");
    if (pic.w == 0)
        return -1;
    long sum = 0;
    for (int i = 0; i < pic.w * pic.h; i++)
        sum += luminance({pic.rgba[4 * i], pic.rgba[4 * i + 1], pic.rgba[4 * i + 2]});
    return (int)(sum / (pic.w * pic.h));
}

// The shipped tiles with the lowest and the highest mean luminance.
std::pair<int, int> darkestAndLightestTile()
{
    int lightest = 0, darkest = 0;
    for (int t = 0; t < 45; t++) {
        int l = tileLuminance(t);
        if (l >= 0 && l > tileLuminance(lightest))
            lightest = t;
        if (l >= 0 && l < tileLuminance(darkest))
            darkest = t;
    }
    return {darkest, lightest};
}

void coverMap(CGame* game, int tile)
{
    for (int y = 0; y < Map::SIZE; y++)
        for (int x = 0; x < Map::SIZE; x++)
            game->theMap->setTileAt(x, y, tile);
}

TEST(Legibility, HudTextStandsOutOnTheLightestAndTheDarkestFloor)
{
    GameHarness h;
    h.linkShippedData();
    CGame* game = h.start();
    game->newGame();

    auto [darkest, lightest] = darkestAndLightestTile();
    const std::string text = "Press SPACE to swap your gun.";
    for (int tile : {lightest, darkest}) {
        coverMap(game, tile);
        for (KelBitmapFont* font : {game->devices.font.get(), game->devices.smallfont.get()}) {
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

TEST(Legibility, HudIconsStandOutOnTheLightestAndTheDarkestFloorAndOnBlack)
{
    GameHarness h;
    h.linkShippedData();
    CGame* game = h.start();
    game->newGame();

    using namespace SpriteIndex;
    const int icons[] = {HEALTH_SLOT, HEALTH_UNIT,  SLOWMO_CLOCK,     KILL_ICON,   PEOPLE_LEFT_ICON,
                         LARDER_ICON, LARDER_ARROW, PISTOL,           REVOLVER,    SHOTGUN,
                         SUB_MACHINE_GUN, MICRO_AR, NAILGUN};
    auto [darkest, lightest] = darkestAndLightestTile();
    const int BLACK = -1;
    for (int floor : {lightest, darkest, BLACK}) {
        if (floor != BLACK)
            coverMap(game, floor);
        for (int icon : icons) {
            Picture pic = loadPicture("data/sprites/" + std::to_string(icon) + ".png");
            ASSERT_GT(pic.w, 0) << "sprite " << icon;
            game->clearScreen();
            if (floor != BLACK)
                game->drawTileLayer(1000, 1000);
            const int left = 100, top = 300;
            int floorLevel = 0;
            for (int x = 0; x < pic.w; x++)
                floorLevel += luminance(h.pixel(left + x, top - 4));
            floorLevel /= pic.w;
            game->devices.actorSprites->drawSprite(icon, left, top, pic.w, pic.h);
            // Of the pixels the icon covers (drawn 1:1), enough must differ
            // clearly from the floor beside it.
            int apart = 0, covered = 0;
            for (int y = 0; y < pic.h; y++) {
                for (int x = 0; x < pic.w; x++) {
                    if (pic.rgba[4 * (y * pic.w + x) + 3] < 128)
                        continue;
                    covered++;
                    apart += std::abs(luminance(h.pixel(left + x, top + y)) - floorLevel) >= 100;
                }
            }
            EXPECT_GE(apart * 100, covered * 15)
                << "sprite " << icon << " on " << (floor == BLACK ? "black" : "tile " + std::to_string(floor))
                << " (luminance " << floorLevel << "): " << apart << " of " << covered
                << " pixels stand out";
        }
    }
}

} // namespace
