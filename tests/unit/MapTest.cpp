// Tile map: file format, collision questions and the animation clock.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "world/Map.h"

namespace {

class MapFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/map-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    std::string write(const std::string& contents)
    {
        std::string path = dir + "/map0.dat";
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }
    // 80 rows; row y is filled with the character for tile (y % 62).
    static std::string rows(int count, const std::string& ending = "\n")
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

    std::string dir;
};

TEST_F(MapFileTest, CommentLineIsNotARow)
{
    Map map;
    map.timer = 0.1f;
    map.tileFrame = 2;
    std::string path = write("## level one\n" + rows(40) + "##mid\n" + rows(80).substr(40 * 81));
    testing::internal::CaptureStdout();
    EXPECT_EQ(map.loadMap(path.c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "map loaded....\n");
    EXPECT_EQ(map.getTileAt(0, 0), 0);
    EXPECT_EQ(map.getTileAt(5, 39), 39);
    EXPECT_EQ(map.getTileAt(5, 40), 40);
    EXPECT_EQ(map.getTileAt(79, 79), 79 % 62);
    EXPECT_EQ(map.timer, 0.0f);
    EXPECT_EQ(map.tileFrame, 0);
}

TEST_F(MapFileTest, BadCharactersBecomeTileZeroWithTheirPosition)
{
    std::string text = rows(80);
    text[5 * 81 + 7] = '@';
    text[6 * 81 + 2] = (char)0xC8;
    Map map;
    testing::internal::CaptureStderr();
    EXPECT_EQ(map.loadMap(write(text).c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "negative tile at 7,5\nnegative tile at 2,6\n");
    EXPECT_EQ(map.getTileAt(7, 5), 0);
    EXPECT_EQ(map.getTileAt(8, 5), 5);
    EXPECT_EQ(map.getTileAt(2, 6), 0);
}

TEST_F(MapFileTest, CarriageReturnRowsLoadLikePlainRows)
{
    Map plain, crlf;
    plain.loadMap(write(rows(80)).c_str());
    crlf.loadMap(write(rows(80, "\r\n")).c_str());
    for (int y = 0; y < Map::SIZE; ++y)
        for (int x = 0; x < Map::SIZE; ++x)
            ASSERT_EQ(plain.level[y][x], crlf.level[y][x]) << x << "," << y;
}

TEST_F(MapFileTest, ShortRowsAndMissingRowsAreFloor)
{
    Map map;
    fill(map, 9);
    testing::internal::CaptureStderr();
    EXPECT_EQ(map.loadMap(write("BBB\r\nCC").c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(map.getTileAt(2, 0), 1);
    EXPECT_EQ(map.getTileAt(3, 0), 0);
    EXPECT_EQ(map.getTileAt(1, 1), 2);
    EXPECT_EQ(map.getTileAt(2, 1), 0);
    EXPECT_EQ(map.getTileAt(40, 2), 0);
    EXPECT_EQ(map.getTileAt(79, 79), 0);
}

TEST_F(MapFileTest, RowsAfterTheEightiethAreIgnored)
{
    Map map;
    EXPECT_EQ(map.loadMap(write(rows(80) + std::string(80, '@') + "\n").c_str()), 0);
    EXPECT_EQ(map.getTileAt(0, 79), 79 % 62);
}

TEST_F(MapFileTest, MissingFileKeepsTheGrid)
{
    Map map;
    fill(map, 3);
    std::string path = dir + "/map7.dat";
    testing::internal::CaptureStderr();
    EXPECT_EQ(map.loadMap(path.c_str()), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "map file " + path + " is missing\n");
    EXPECT_EQ(map.getTileAt(10, 10), 3);
}

TEST_F(MapFileTest, SaveThenLoadRoundTrips)
{
    Map original;
    for (int y = 0; y < Map::SIZE; ++y)
        for (int x = 0; x < Map::SIZE; ++x)
            original.setTileAt(x, y, (x * 7 + y * 3) % 62);
    std::string path = dir + "/saved.dat";
    testing::internal::CaptureStdout();
    EXPECT_EQ(original.saveMap(path.c_str()), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Written. closing\n");

    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text = ss.str();
    ASSERT_EQ(text.size(), 80u * 81u);
    EXPECT_EQ(text.substr(0, 3), "AHO");
    EXPECT_EQ(text[80], '\n');

    Map copy;
    EXPECT_EQ(copy.loadMap(path.c_str()), 0);
    for (int y = 0; y < Map::SIZE; ++y)
        for (int x = 0; x < Map::SIZE; ++x)
            ASSERT_EQ(copy.level[y][x], original.level[y][x]) << x << "," << y;
}

TEST_F(MapFileTest, SaveReportsUnwritableFile)
{
    Map map;
    std::string path = dir + "/no/such/map.dat";
    testing::internal::CaptureStderr();
    EXPECT_EQ(map.saveMap(path.c_str()), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "map file " + path + " could not be written\n");
}

TEST(MapGrid, OutOfRangeReadsFloorButCollidesAsSolid)
{
    Map map;
    map.setTileAt(-1, 0, 5);
    map.setTileAt(0, 80, 5);
    map.setTileAt(79, 79, 5);
    EXPECT_EQ(map.getTileAt(79, 79), 5);
    EXPECT_EQ(map.getTileAt(-1, 0), 0);
    EXPECT_EQ(map.getTileAt(0, 80), 0);
    EXPECT_TRUE(map.isSolidTile(-1, 0));
    EXPECT_TRUE(map.isSolidTile(80, 0));
    EXPECT_FALSE(map.isSolidTile(0, 0));
    EXPECT_TRUE(map.isBulletSolidTile(0, 80));
    EXPECT_TRUE(map.isBulletSolidTile(-1000000000, 0));
}

TEST(MapGrid, WorldEdges)
{
    Map map;
    map.setTileAt(79, 0, 1);
    EXPECT_TRUE(map.isSolid(3839.9f, 0));
    map.setTileAt(79, 0, 0);
    EXPECT_FALSE(map.isSolid(3839.9f, 0));
    EXPECT_TRUE(map.isSolid(3840.0f, 0));
    EXPECT_TRUE(map.isSolid(0, 3840.0f));
    EXPECT_TRUE(map.isSolid(-0.5f, 10));
    EXPECT_TRUE(map.isSolid(10, -0.5f));
    EXPECT_TRUE(map.isBulletSolid(-0.5f, 10));
    EXPECT_TRUE(map.isBulletSolid(3840.0f, 10));
    EXPECT_FALSE(map.isBulletSolid(0, 0));
}

TEST(MapGrid, TileClasses)
{
    Map map;
    map.setTileAt(2, 3, 22);
    EXPECT_TRUE(map.isSolid(2 * 48 + 10, 3 * 48 + 47));
    EXPECT_FALSE(map.isBulletSolid(2 * 48 + 10, 3 * 48 + 47));
    EXPECT_FALSE(map.isBulletSolidTile(2, 3));
    EXPECT_TRUE(Map::isAnimatedTile(22));

    map.setTileAt(2, 3, 35);
    EXPECT_FALSE(map.isSolid(2 * 48, 3 * 48));
    EXPECT_TRUE(Map::isAnimatedTile(35));

    map.setTileAt(2, 3, 43);
    EXPECT_TRUE(map.isBulletSolidTile(2, 3));

    EXPECT_TRUE(Map::isSolidType(1));
    EXPECT_FALSE(Map::isSolidType(0));
    EXPECT_FALSE(Map::isAnimatedTile(23));
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

} // namespace
