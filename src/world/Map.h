#pragma once
// The level: an 80 x 80 grid of 48-pixel tiles, its tile animation clock, the
// walking and bullet collision questions, and the map file format (one text
// row per grid row, tile number + 'A' per character, "##" comment lines).
#include <cstdint>

class Map {
public:
    static constexpr int SIZE = 80;              // tiles per side
    static constexpr int TILE = 48;              // pixels per tile side
    static constexpr int WORLD = SIZE * TILE;    // pixels per world side (3840)

    Map();

    // 0 on success, -1 when the file cannot be opened (grid unchanged).
    int loadMap(const char* filename);
    // 0 on success, -1 when the file cannot be written.
    int saveMap(const char* filename);

    int getTileAt(int x, int y) const;          // 0 outside the grid
    void setTileAt(int x, int y, int tile);     // ignored outside the grid

    static bool isSolidType(int tile);
    bool isSolidTile(int x, int y) const;       // solid outside the grid
    bool isSolid(float x, float y) const;       // world pixels
    bool isBulletSolid(float x, float y) const; // world pixels
    bool isBulletSolidTile(int x, int y) const;
    static bool isAnimatedTile(int tile);

    int getTileFrame() const;
    void updateTileAnimation(float dt);

    int32_t level[SIZE][SIZE];  // level[y][x]
    float timer;                // game seconds since the last frame change
    int tileFrame;              // 0, 1 or 2
};
