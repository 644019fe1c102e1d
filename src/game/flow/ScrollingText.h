#pragma once
#include <functional>
#include <string>
#include <vector>

class KelBitmapFont;
class SpriteManager;
class Platform;

// Text that rises over a background picture until it has left the screen
// or a key is pressed: the credits.
class ScrollingText {
public:
    ScrollingText(KelBitmapFont* font, const char* filename, int width, int height,
                  SpriteManager* sprites, int backgroundSpriteId, Platform* io,
                  std::function<void()> clearScreen);
    virtual ~ScrollingText() = default;

    void loadLines(const char* filename);
    virtual void displayLoop();

    std::vector<std::string> lines;
    KelBitmapFont* myFont = nullptr;
    int scrHeight, scrWidth;
    int bgSpriteId;
    SpriteManager* mySprites;

private:
    Platform* io;
    std::function<void()> clearScreen;
};
