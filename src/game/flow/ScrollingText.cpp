#include "game/flow/ScrollingText.h"

#include <cstdio>
#include <fstream>

#include "data/DataFile.h"
#include "game/Platform.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"

ScrollingText::ScrollingText(KelBitmapFont* font, const char* filename, int width, int height,
                             SpriteManager* sprites, int backgroundSpriteId, Platform* io,
                             std::function<void()> clearScreen)
    : scrHeight(height), scrWidth(width), bgSpriteId(backgroundSpriteId), mySprites(sprites), io(io),
      clearScreen(std::move(clearScreen))
{
    if (!font) {
        fprintf(stderr, "%s: Can't create ScrollingText with NULL font.\n", "ScrollingText");
        return;
    }
    myFont = font;
    loadLines(filename);
}

void ScrollingText::loadLines(const char* filename)
{
    std::ifstream in;
    if (!openDataFile(in, filename)) {
        fprintf(stderr, "%s: File %s doesn't appear to exist.\n", "ScrollingText", filename);
        return;
    }
    // A line longer than 199 characters goes on as the next display line.
    // When the text ends with a line break (or the file is empty), the read
    // that meets the end of the file adds a last, empty line; a last line
    // without a break is itself that read.
    std::string line;
    bool endsWithBreak = true;
    while (std::getline(in, line)) {
        while (line.size() > 199) {
            lines.push_back(line.substr(0, 199));
            line.erase(0, 199);
        }
        lines.push_back(line);
        endsWithBreak = !in.eof();
    }
    if (endsWithBreak)
        lines.push_back("");
}

void ScrollingText::displayLoop()
{
    int lineHeight = myFont ? myFont->getLineHeight() : 0;
    float y = (float)(scrHeight - 20);
    float step = 0;
    bool done = false;
    while (!done) {
        Uint32 start = io->ticks();
        SDL_Event event;
        while (io->pollEvent(event)) {
            if (event.type == SDL_QUIT || event.type == SDL_KEYDOWN)
                done = true;
        }
        clearScreen();
        mySprites->drawSprite(bgSpriteId, 0, 0, scrWidth, scrHeight);

        y -= 70.0f * step; // the text rises 70 pixels a second
        int visible = 0;
        for (size_t i = 0; i < lines.size() && myFont; i++) {
            float top = y + (float)i * lineHeight;
            if (top >= -lineHeight && top <= scrHeight) {
                myFont->print(lines[i], 20, (int)top);
                visible++;
            }
        }
        io->delay(0);
        io->swapBuffers();
        if (visible == 0) {
            printf("No more lines appear to be on screen.\n");
            break;
        }
        step = (float)(io->ticks() - start) / 1000.0f;
    }
}
