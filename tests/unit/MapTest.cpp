// Tile map: file format, collision questions and the animation clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Captured.h"
#include "TempDir.h"
#include "world/Map.h"

namespace {

// `count` rows of 80 characters; row y holds the character of tile (y % 62).
std::string rows(int count, const std::string& ending = "\n")
{
    std::string text;
    for (int y = 0; y < count; ++y)
        text += std::string(80, (char)('A' + y % 62)) + ending;
    return text;
}

void fill(Map& map, int tile)
{
    for (int y = 0; y < Map::SIZE; ++y)
        for (int x = 0; x < Map::SIZE; ++x)
            map.setTileAt(x, y, tile);
}

void expectSameGrid(const Map& a, const Map& b)
{
    for (int y = 0; y < Map::SIZE; ++y)
        for (int x = 0; x < Map::SIZE; ++x)
            ASSERT_EQ(a.level[y][x], b.level[y][x]) << x << "," << y;
}

}  // namespace

TEST(MapFile, CommentsCarriageReturnsAndExtraRows)
{
    TempDir dir;
    Map map;
    map.timer = 0.1f;
    map.tileFrame = 2;
    std::string text = "## level one\n" + rows(40, "\r\n") + "##mid\n" + rows(80).substr(40 * 81) +
                       std::string(80, '@') + "\n";
    EXPECT_EQ(capturedStdout([&] { EXPECT_EQ(map.loadMap(dir.write("m.dat", text).c_str()), 0); }),
              "map loaded....\n");
    EXPECT_EQ(map.getTileAt(0, 0), 0);
    EXPECT_EQ(map.getTileAt(5, 39), 39);
    EXPECT_EQ(map.getTileAt(79, 39), 39) << "a CR ends the row";
    EXPECT_EQ(map.getTileAt(5, 40), 40);
    EXPECT_EQ(map.getTileAt(0, 79), 79 % 62) << "rows after the 80th are ignored";
    EXPECT_EQ(map.timer, 0.0f);
    EXPECT_EQ(map.tileFrame, 0);
}

TEST(MapFile, NegativeTilesShortRowsAndMissingRowsBecomeFloor)
{
    TempDir dir;
    std::string text = rows(80);
    text[5 * 81 + 7] = '@';
    text[6 * 81 + 2] = (char)0xC8;
    Map map;
    EXPECT_EQ(capturedStderr([&] { EXPECT_EQ(map.loadMap(dir.write("m.dat", text).c_str()), 0); }),
              "negative tile at 7,5\nnegative tile at 2,6\n");
    EXPECT_EQ(map.getTileAt(7, 5), 0);
    EXPECT_EQ(map.getTileAt(8, 5), 5);
    EXPECT_EQ(map.getTileAt(2, 6), 0);

    fill(map, 9);
    EXPECT_EQ(capturedStderr([&] { map.loadMap(dir.write("m.dat", "BBB\r\nCC").c_str()); }), "");
    EXPECT_EQ(std::vector<int>({map.getTileAt(2, 0), map.getTileAt(3, 0), map.getTileAt(1, 1), map.getTileAt(2, 1),
                                map.getTileAt(79, 79)}),
              std::vector<int>({1, 0, 2, 0, 0}));

    fill(map, 3);
    std::string missing = dir.file("map7.dat");
    EXPECT_EQ(capturedStderr([&] { EXPECT_EQ(map.loadMap(missing.c_str()), -1); }),
              "map file " + missing + " is missing\n");
    EXPECT_EQ(map.getTileAt(10, 10), 3) << "a missing file keeps the grid";
}

TEST(MapFile, SaveThenLoadRoundTrips)
{
    TempDir dir;
    Map original;
    for (int y = 0; y < Map::SIZE; ++y)
        for (int x = 0; x < Map::SIZE; ++x)
            original.setTileAt(x, y, (x * 7 + y * 3) % 62);
    std::string path = dir.file("saved.dat");
    EXPECT_EQ(capturedStdout([&] { EXPECT_EQ(original.saveMap(path.c_str()), 0); }),
              "Written. closing\n");
    std::string text = readFile(path);
    ASSERT_EQ(text.size(), 80u * 81u);
    EXPECT_EQ(text.substr(0, 3), "AHO");
    EXPECT_EQ(text[80], '\n');
    Map copy;
    EXPECT_EQ(copy.loadMap(path.c_str()), 0);
    expectSameGrid(copy, original);

    std::string bad = dir.file("no/such/map.dat");
    EXPECT_EQ(capturedStderr([&] { EXPECT_EQ(original.saveMap(bad.c_str()), -1); }).rfind(
                  "map file " + bad + " could not be written (cannot make a temporary file beside it: ", 0),
              0u);
}

TEST(MapGrid, OutsideTheGridReadsFloorButCollidesAsSolidAndWindowsStopOnlyWalkers)
{
    Map map;
    map.setTileAt(-1, 0, 5);
    map.setTileAt(0, 80, 5);
    EXPECT_EQ(map.getTileAt(-1, 0), 0);
    EXPECT_EQ(map.getTileAt(0, 80), 0);
    EXPECT_TRUE(map.isSolidTile(80, 0));
    EXPECT_FALSE(map.isSolidTile(0, 0));
    EXPECT_TRUE(map.isBulletSolidTile(-1000000000, 0));

    map.setTileAt(79, 0, 1);
    EXPECT_TRUE(map.isSolid(3839.9f, 0));
    map.setTileAt(79, 0, 0);
    EXPECT_FALSE(map.isSolid(3839.9f, 0));
    EXPECT_TRUE(map.isSolid(3840.0f, 0));
    EXPECT_TRUE(map.isSolid(10, -0.5f));
    EXPECT_TRUE(map.isBulletSolid(-0.5f, 10));
    EXPECT_TRUE(map.isBulletSolid(3840.0f, 10));
    EXPECT_FALSE(map.isBulletSolid(0, 0));

    // Windows stop walkers but not bullets.
    map.setTileAt(2, 3, 22);
    EXPECT_TRUE(map.isSolid(2 * 48 + 10, 3 * 48 + 47));
    EXPECT_FALSE(map.isBulletSolid(2 * 48 + 10, 3 * 48 + 47));
    EXPECT_TRUE(Map::isAnimatedTile(22));
    map.setTileAt(2, 3, 35);
    EXPECT_FALSE(map.isSolid(2 * 48, 3 * 48));
    EXPECT_TRUE(Map::isAnimatedTile(35));
    EXPECT_FALSE(Map::isAnimatedTile(23));
    map.setTileAt(2, 3, 43);
    EXPECT_TRUE(map.isBulletSolidTile(2, 3));
}

TEST(MapAnimation, ExcessTimeIsDroppedAndFramesWrap)
{
    Map map;
    map.timer = 0.14f;
    map.updateTileAnimation(0.05f);
    EXPECT_EQ(map.getTileFrame(), 1);
    EXPECT_EQ(map.timer, 0.0f);
    map.updateTileAnimation(0.1f);
    EXPECT_EQ(map.getTileFrame(), 1);
    map.updateTileAnimation(1.0f);  // a long frame still advances only once
    EXPECT_EQ(map.getTileFrame(), 2);
    map.updateTileAnimation(0.2f);
    EXPECT_EQ(map.getTileFrame(), 0);
}
