// Loaders given what a damaged data folder holds: a folder where a file
// should be, tuning values out of range, pictures too large, and a map save
// that fails half-way.
#include <gtest/gtest.h>

#include <filesystem>

#include "Captured.h"
#include "TempDir.h"
#include "data/ConfLoader.h"
#include "data/KelFileRead.h"
#include "game/flow/ScrollingText.h"
#include "render/PictureFile.h"
#include "render/ScreenPosition.h"
#include "render/TextureUpload.h"
#include "script/ScriptManager.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/StaticEntityManager.h"
#include "world/Weapon.h"

namespace fs = std::filesystem;

TEST(DamagedData, AFolderInPlaceOfAFileIsTheUnreadableCase)
{
    TempDir dir;
    std::string folder = dir.file("map0.dat");
    fs::create_directory(folder);

    Map map;
    map.setTileAt(3, 3, 12);
    std::string out;
    std::string err = capturedStderr([&] { out = capturedStdout([&] { EXPECT_EQ(map.loadMap(folder.c_str()), -1); }); });
    EXPECT_EQ(err, "map file " + folder + " is missing\n");
    EXPECT_EQ(out, "") << "no \"map loaded\" for a folder";
    EXPECT_EQ(map.getTileAt(3, 3), 12) << "the grid is kept";

    StaticEntityManager ents;
    OwnedList<Weapon> items;
    OwnedList<Larder> larders;
    EXPECT_EQ(capturedStderr([&] { ents.load(folder.c_str(), items, larders); }),
              "StaticEntityManager can't load from " + folder + "\n");

    ScrollingText credits(nullptr, folder.c_str(), 800, 600, nullptr, 23, nullptr, nullptr);
    EXPECT_EQ(capturedStderr([&] { credits.loadLines(folder.c_str()); }),
              "ScrollingText: File " + folder + " doesn't appear to exist.\n");
    EXPECT_TRUE(credits.lines.empty());

    KelFileRead actorFile(folder.c_str());
    EXPECT_FALSE(actorFile.isOkay());

    std::string scriptFolder = dir.file("talk.mor");
    fs::create_directory(scriptFolder);
    ScriptManager core;
    core.reset();
    EXPECT_EQ(capturedStderr([&] { EXPECT_EQ(core.loadScript(scriptFolder.c_str()), 0); }),
              "ScriptManager: Cannot open script " + scriptFolder + "\n");
}

TEST(DamagedData, TuningValuesAreClampedToPlayableRangesWithAMessage)
{
    TempDir dir;
    std::string path = dir.write("physics.dat", "SLOWMO_MULTIPLIER=5\nPLAYER_SPEED=1000000\n"
                                                "FRICTION_MULTIPLIER=20\nBULLET_SPEED_MULTIPLIER=2147483647\n");
    std::unique_ptr<ConfLoader> conf;
    std::string err = capturedStderr([&] { capturedStdout([&] { conf = std::make_unique<ConfLoader>(path.c_str()); }); });
    EXPECT_EQ(err, "ConfLoader: SLOWMO_MULTIPLIER=5 is out of range (10 to 100), using 10\n"
                   "ConfLoader: PLAYER_SPEED=1000000 is out of range (100 to 8000), using 8000\n"
                   "ConfLoader: BULLET_SPEED_MULTIPLIER=2147483647 is out of range (1 to 30), using 30\n");
    EXPECT_FLOAT_EQ(conf->getValue("SLOWMO_MULTIPLIER"), 1.0f);
    EXPECT_FLOAT_EQ(conf->getValue("PLAYER_SPEED"), 800.0f);
    EXPECT_FLOAT_EQ(conf->getValue("FRICTION_MULTIPLIER"), 2.0f);
    EXPECT_FLOAT_EQ(conf->getValue("BULLET_SPEED_MULTIPLIER"), 3.0f);
}

TEST(DamagedData, PicturesTooLargeAreRefusedOrScaledAndPositionsStayInRange)
{
    std::string problem;
    std::string huge("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\x01\x86\xa0\0\0\0\x02\x08\x02\0\0\0", 29);
    EXPECT_EQ(loadPicture((const unsigned char*)huge.data(), huge.size(), problem), nullptr);
    EXPECT_EQ(problem, "it claims 100000x2 pixels, more than 8192 a side");

    // A BMP header that SDL decodes into a surface of 1 bit and 225 bytes a
    // pixel, no palette and rows 0 bytes long: refused, never blitted.
    const std::string badFormat("BMN\0\0\0\0\0\0\0" "2\0\0\0IDAT\2\x18\0\0s\0\0\0ID\1\x1fM\x13\x13\x13\x13", 35);
    EXPECT_EQ(loadPicture((const unsigned char*)badFormat.data(), badFormat.size(), problem), nullptr);
    EXPECT_EQ(problem, "its pixel format is damaged");

    // A PNG chunk that claims to run past the end of the file (here a tRNS)
    // kept the decoder reading stale bytes for ever; refused before decoding.
    const std::string cutShort("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x05\xdc\0\0\0\2\x08\0\0\0\0gRA"
                               "@\0\0\0 tRNSIDATx\xe6\0", 48);
    EXPECT_EQ(loadPicture((const unsigned char*)cutShort.data(), cutShort.size(), problem), nullptr);
    EXPECT_EQ(problem, "it is cut short or its chunks are damaged");

    // Only PNG and BMP reach a decoder: a sound GIF is refused all the same.
    const std::string gif("GIF89a\1\0\1\0\0\0\0,\0\0\0\0\1\0\1\0\0\2\2D\1\0;", 29);
    EXPECT_EQ(loadPicture((const unsigned char*)gif.data(), gif.size(), problem), nullptr);
    EXPECT_EQ(problem, "it is not a PNG or BMP picture");

    SDL_Surface* wide = SDL_CreateRGBSurface(SDL_SWSURFACE, 40, 10, 24, 0xff, 0xff00, 0xff0000, 0);
    SDL_FillRect(wide, nullptr, SDL_MapRGB(wide->format, 9, 8, 7));
    bool scaled = false;
    SDL_Surface* fitted = rgbaSurfaceFor(wide, 8, scaled);
    ASSERT_NE(fitted, nullptr);
    EXPECT_TRUE(scaled);
    EXPECT_EQ(std::make_pair(fitted->w, fitted->h), std::make_pair(8, 2));
    const Uint8* px = (const Uint8*)fitted->pixels;
    EXPECT_EQ(std::vector<int>({px[0], px[1], px[2], px[3]}), std::vector<int>({9, 8, 7, 255}));
    SDL_FreeSurface(fitted);
    fitted = rgbaSurfaceFor(wide, 64, scaled);
    EXPECT_FALSE(scaled);
    EXPECT_EQ(fitted->w, 40);
    SDL_FreeSurface(fitted);
    SDL_FreeSurface(wide);

    // Items and actors placed near 2^31 land far off screen, not past int.
    EXPECT_EQ(screenCoord(2147483648.0f, 424, 800), OFF_SCREEN_LIMIT);
    EXPECT_EQ(screenCoord(-2147483648.0f, 424, 800), -OFF_SCREEN_LIMIT);
    EXPECT_EQ(screenCoord(100.7f, 424, 800), 77);
}

