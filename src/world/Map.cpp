#include "world/Map.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "data/DataFile.h"
#include "world/TileKinds.h"

namespace {

bool inGrid(int x, int y)
{
    return x >= 0 && x < Map::SIZE && y >= 0 && y < Map::SIZE;
}

bool outsideWorld(float x, float y)
{
    return x < 0 || y < 0 || x >= Map::WORLD || y >= Map::WORLD;
}

// Solid tiles that bullets and lines of sight pass (windows, railings, ...).
bool isSeeThroughType(int tile)
{
    return TileKinds::listed(TileKinds::BULLET_PASSABLE, tile);
}

} // namespace

Map::Map() : timer(0.0f), tileFrame(0)
{
    std::memset(level, 0, sizeof(level));
}

// Each physical line is read whole and only its first 80 characters are
// used, so a carriage return before the newline (or any other excess) is
// ignored. Rows shorter than 80 characters are filled with tile 0, and when
// the file holds fewer than 80 rows the missing rows are tile 0 as well.
int Map::loadMap(const char* filename)
{
    std::ifstream in;
    if (!openDataFile(in, filename)) {
        fprintf(stderr, "map file %s is missing\n", filename);
        return -1;
    }

    std::string line;
    int row = 0;
    while (row < SIZE && std::getline(in, line)) {
        if (line.size() >= 2 && line[0] == '#' && line[1] == '#')
            continue;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        for (int col = 0; col < SIZE; ++col) {
            if (col >= (int)line.size()) {
                level[row][col] = 0;
                continue;
            }
            int tile = (int)(signed char)line[col] - 'A';
            if (tile < 0) {
                fprintf(stderr, "negative tile at %i,%i\n", col, row);
                tile = 0;
            }
            level[row][col] = tile;
        }
        ++row;
    }
    for (; row < SIZE; ++row)
        for (int col = 0; col < SIZE; ++col)
            level[row][col] = 0;

    printf("map loaded....\n");
    timer = 0.0f;
    tileFrame = 0;
    return 0;
}

// The new map goes to a temporary file beside the old one and replaces it
// only once it is completely written, so a full disk or a crash while saving
// never leaves a truncated map behind.
int Map::saveMap(const char* filename)
{
    std::string text;
    text.reserve(SIZE * (SIZE + 1));
    for (int y = 0; y < SIZE; ++y) {
        for (int x = 0; x < SIZE; ++x)
            text += (char)((int8_t)level[y][x] + 'A');
        text += '\n';
    }
    std::string error;
    if (!writeFileAtomically(filename, text, error)) {
        fprintf(stderr, "map file %s could not be written (%s); the old map is kept\n", filename,
                error.c_str());
        return -1;
    }
    printf("Written. closing\n");
    return 0;
}

int Map::getTileAt(int x, int y) const
{
    if (!inGrid(x, y))
        return 0;
    return level[y][x];
}

void Map::setTileAt(int x, int y, int tile)
{
    if (!inGrid(x, y))
        return;
    level[y][x] = tile;
}

bool Map::isSolidType(int tile)
{
    return TileKinds::listed(TileKinds::SOLID, tile);
}

bool Map::isSolidTile(int x, int y) const
{
    if (!inGrid(x, y))
        return true;
    return isSolidType(getTileAt(x, y));
}

bool Map::isSolid(float x, float y) const
{
    if (outsideWorld(x, y))
        return true;
    return isSolidTile((int)x / TILE, (int)y / TILE);
}

bool Map::isBulletSolid(float x, float y) const
{
    if (outsideWorld(x, y))
        return true;
    if (!isSolid(x, y))
        return false;
    return !isSeeThroughType(getTileAt((int)x / TILE, (int)y / TILE));
}

bool Map::isBulletSolidTile(int x, int y) const
{
    if (!inGrid(x, y))
        return true;  // same answer as the pixel test, without overflowing x * TILE
    return isBulletSolid((float)(x * TILE), (float)(y * TILE));
}

bool Map::isAnimatedTile(int tile)
{
    return tile == 22 || tile == 35;
}

int Map::getTileFrame() const
{
    return tileFrame;
}

void Map::updateTileAnimation(float dt)
{
    timer += dt;
    if (timer >= 0.15) {
        timer = 0.0f;  // the excess is dropped on purpose
        tileFrame += 1;
        if (tileFrame > 2)
            tileFrame = 0;
    }
}
