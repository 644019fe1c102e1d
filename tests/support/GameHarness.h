#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "ScriptedPlatform.h"
#include "game/CGame.h"
#include "world/Actor.h"

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};
std::ostream& operator<<(std::ostream& os, const Rgb& c);

// The seed of the game's random generator in every game a test starts, so
// that a failure repeats.
const uint64_t TEST_SEED = 20261207;

// A real game in a temporary working folder, with its input and clock
// replaced by a ScriptedPlatform: on the headless display with a window, or
// without any window (no display needed, nothing drawn, no pixels to read).
// Tests first lay out the data folder (small pictures of known colours,
// fonts, maps), then start().
class GameHarness {
public:
    enum Screen { WINDOW, NO_WINDOW };
    explicit GameHarness(Screen screen = WINDOW);
    ~GameHarness();

    // Data folder construction, relative to the temporary working folder.
    void writeFile(const std::string& path, const std::string& content);
    // A picture of one colour, w x h, stored as data/<set>/<index>.png.
    void writeSolidImage(const std::string& path, int w, int h, Rgb colour);
    // Sprites 0..count-1 of a set, each a solid colour from colourOf(index).
    void writeSolidSet(const std::string& set, int count, int size, Rgb (*colourOf)(int));
    // A font whose every printable glyph is a solid white block of w x h,
    // advancing by `advance`, with the given line height.
    void writeBlockFont(const std::string& name, int w, int h, int advance, int lineHeight);
    // A map of one tile everywhere, with optional overrides given as rows.
    void writeMap(int number, int fillTile);
    // Everything start() needs: sprites, tiles, portraits, both fonts, map 0.
    void writeMinimalData();
    // Or the shipped data folder itself, linked (tests must not write to it).
    void linkShippedData();

    CGame* start(const StartSettings& settings = StartSettings());
    // Applied by start(): the window's scale (as --scale gives it), and with
    // `gamepad` the scripted input passes through the gamepad layer, as the
    // machine's does in the program.
    int scale = 0;
    bool gamepad = false;
    CGame* game() { return theGame.get(); }
    ScriptedPlatform& io() { return *platform; }

    // Colour of a window pixel (origin top-left) in the back buffer.
    Rgb pixel(int x, int y);
    // Runs the play loop until `frames` frames have been drawn.
    void runFrames(int frames);

    // The usual opening of a play test: the test data (and an entity file
    // when given), a started story game, and one civilian-team actor far away
    // at (3000, 3000) so the game is not won at once.
    CGame* startStory(const std::string& entities = "");
    // Runs `frames` frames of play with the input queued so far. Every game
    // loop opens behind the help screen; a key put ahead of that input takes
    // it down in one extra frame.
    void play(int frames);
    // Puts a new actor of type T at (x, y) among the game's actors.
    template <typename T> T* place(float x, float y)
    {
        T* a = theGame->world.actors.put(std::make_unique<T>());
        a->x = x;
        a->y = y;
        return a;
    }
    Larder* addLarder(float x, float y);
    // The player starts dragging a fresh corpse.
    void dragCorpse();
    // Effects in the list whose graphic lies in [first, last], once the
    // events posted so far have left their marks.
    int effectsOfGraphic(int first, int last);

    Actor* bystander = nullptr;

    std::string dir;

private:
    Screen screen;
    std::string oldCwd;
    std::unique_ptr<CGame> theGame;
    ScriptedPlatform* platform = nullptr;
};

// Colours used by the standard test data: tile n and sprite n.
Rgb tileColour(int n);
Rgb spriteColour(int n);
