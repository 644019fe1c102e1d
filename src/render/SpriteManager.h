#pragma once
// A numbered set of images ("dir/0.png", "dir/1.png", ...) turned into OpenGL
// textures and drawn as screen-aligned, optionally rotated quads. A sprite's
// index is the number in its file name.
#include <memory>
#include <vector>

#include <GL/gl.h>

class SpriteManager {
public:
    // Loads dir/0.png, dir/1.png, ... up to the first number that is missing.
    // Without textures (no OpenGL context to hold them) the images are still
    // read and counted, and drawing them does nothing.
    explicit SpriteManager(const char* dir, bool textures = true);
    ~SpriteManager();

    SpriteManager(const SpriteManager&) = delete;
    SpriteManager& operator=(const SpriteManager&) = delete;

    // Visible area used for culling (100000 x 100000 until set).
    void setScreenSize(int w, int h);

    // Loads one image and appends it: 0 on success, -1 if it cannot be loaded.
    int addSprite(const char* filename);
    // Appends a texture name allocated with new (the set takes ownership);
    // returns its index, or -1 for a null pointer.
    int addSprite(GLuint* raw);

    unsigned size() const;
    // The texture name of sprite num, or null (with a message) when out of range.
    GLuint* getSprite(int num);

    // Draws sprite spriteNum with its unrotated top-left corner at
    // (targetX, targetY); both -1337 put that corner at the screen centre.
    void drawSprite(int spriteNum, int targetX, int targetY, int width, int height,
                    float rotation = 0.0f);
    // Draws a texture directly, without culling and without the half-turn
    // that drawSprite applies, so the image shows turned by 180 degrees.
    void drawRaw(GLuint* raw, int x, int y, int width, int height);

    // Deletes every texture and empties the set.
    void freeSprites();

    // The culling test of drawSprite.
    static bool isVisible(int x, int y, int w, int h, int screenW, int screenH);
    // Replaces the (-1337, -1337) position by the screen centre.
    static void resolveCentring(int& x, int& y, int screenW, int screenH);

    int screenWidth;
    int screenHeight;
    bool makeTextures;
    std::vector<std::unique_ptr<GLuint>> sprites;
};
