#include "game/flow/ScrollingText.h"

#include <cstdio>
#include <fstream>

#include "data/DataFile.h"
#include "game/Platform.h"
#include "game/flow/FrameTiming.h"
#include "game/flow/ModalLoop.h"
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
    int visible = 0;
    ModalLoop scroll;
    scroll.running = [&] { return !done; };
    scroll.eventsAt = ModalLoop::EVENTS_BEFORE_FRAME;
    scroll.onEvent = [&](const SDL_Event& e) {
        if (e.type == SDL_QUIT || e.type == SDL_KEYDOWN)
            done = true;
        return true;
    };
    scroll.frame = [&] {
        clearScreen();
        mySprites->drawSprite(bgSpriteId, 0, 0, scrWidth, scrHeight);

        y -= 70.0f * step; // the text rises 70 pixels a second
        visible = 0;
        for (size_t i = 0; i < lines.size() && myFont; i++) {
            float top = y + (float)i * lineHeight;
            if (top >= -lineHeight && top <= scrHeight) {
                myFont->print(lines[i], 20, (int)top);
                visible++;
            }
        }
        return true;
    };
    scroll.delayBeforeSwap = true;
    scroll.timing = [&](Uint32 ms) {
        if (visible == 0) {
            printf("No more lines appear to be on screen.\n");
            return false;
        }
        step = FrameTiming::seconds(ms);
        return true;
    };
    SDL_Event event;
    scroll.run(*io, event);
}
