#pragma once
// Which tiles of the tile set ("data/tiles") stop what. tools/check_level.py
// reads these tables; tools/gen_tiles.py draws the tiles to match.
namespace TileKinds {
// Tiles that block walking.
const int SOLID[] = {1, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 28, 29, 30, 31, 32, 33, 34, 38, 42, 43, 44};
// Solid tiles that bullets and lines of sight pass (fences, windows, railings).
const int BULLET_PASSABLE[] = {22, 30, 31, 32, 33, 42, 44};

template <size_t N>
bool listed(const int (&table)[N], int tile)
{
    for (int t : table) {
        if (t == tile)
            return true;
    }
    return false;
}
} // namespace TileKinds
