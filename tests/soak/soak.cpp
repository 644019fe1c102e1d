// Random play: the real game object, driven through the scripted input seam
// with random keys, mouse moves and clicks, wanders through the menu, story
// and survival games, the console (random command lines), the credits and
// the editor, in a temporary copy of the data folder (so an editor save never
// touches the shipped map), until the given game time or wall time is used.
// It ends with a summary: game minutes, frames, events, the world's state
// and resident memory, with the resident memory at each whole game minute to
// show any growth; it fails when the peak passes the tests' limit. The seed
// (from the clock unless given) seeds both the random player and the game,
// so the summary's "--seed N --frames F" plays the same run again.
//
//   larder_soak [--game-minutes M] [--wall-seconds S] [--frames F] [--seed N]
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <thread>

#include "GameHarness.h"
#include "ResidentMemory.h"
#include "world/GameRandom.h"

namespace {

// Command lines for the console: its own commands, with and without
// arguments, and nonsense.
const char* const CONSOLE_LINES[] = {
    "spawncop", "spawndrone", "comboup", "freakout", "healme", "fullammo", "version",
    "wingame", "sshot", "exit", "spawncop 5 5", "  ", "nonsense words here", "healme healme",
};

const SDLKey KEYS[] = {
    SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_w, SDLK_a, SDLK_s, SDLK_d,
    SDLK_SPACE, SDLK_r, SDLK_h, SDLK_i, SDLK_e, SDLK_z, SDLK_x, SDLK_RETURN,
    SDLK_RETURN, SDLK_RETURN, SDLK_ESCAPE, SDLK_F1, SDLK_F2, SDLK_BACKQUOTE,
    SDLK_BACKSPACE, SDLK_1, SDLK_q, SDLK_F12, SDLK_TAB,
};
const SDLKey HELD[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_w, SDLK_a,
                       SDLK_s, SDLK_d, SDLK_SPACE, SDLK_h, SDLK_i};

class RandomPlayer {
public:
    RandomPlayer(ScriptedPlatform& io, unsigned seed) : io(io), rng(seed) {}

    // Queues the input of the next frame.
    void nextFrame()
    {
        size_t before = io.events.size();
        if (chance(0.5))
            io.mouseMotion(pick(800), pick(600));
        if (chance(0.08)) {
            int button = 1 + pick(3);
            int x = pick(800), y = pick(600);
            io.mouseButton(button, true, x, y);
            io.mouseButton(button, false, x, y);
        }
        if (chance(0.03)) {  // holding the fire button down for a while
            firing = !firing;
            io.mouseButton(SDL_BUTTON_LEFT, firing, pick(800), pick(600));
        }
        if (chance(0.15))
            io.press(KEYS[pick(sizeof KEYS / sizeof KEYS[0])]);
        if (chance(0.05))
            io.hold(HELD[pick(sizeof HELD / sizeof HELD[0])], chance(0.6));
        if (chance(0.01))
            typeConsoleLine();
        events += io.events.size() - before;
    }

    // Closes whatever loop runs, up to the menu, and the menu itself.
    void quitAll()
    {
        for (SDLKey k : HELD)
            io.hold(k, false);
        io.quit();
        events++;
    }

    long events = 0;

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    // Opens the console (if play is running) and types a line into it.
    void typeConsoleLine()
    {
        io.press(SDLK_BACKQUOTE);
        std::string line = CONSOLE_LINES[pick(sizeof CONSOLE_LINES / sizeof CONSOLE_LINES[0])];
        for (int i = pick(3); i > 0; --i)
            line += (char)('a' + pick(26));
        for (char c : line)
            io.press((SDLKey)c);
        io.press(SDLK_RETURN);
        if (chance(0.5))
            io.press(SDLK_BACKQUOTE);
    }

    ScriptedPlatform& io;
    std::mt19937 rng;
    bool firing = false;
};

} // namespace

int main(int argc, char** argv)
{
    double gameMinutes = 1e9, wallSeconds = 1e9;
    int frames = 0;
    unsigned seed = (unsigned)time(nullptr);
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--game-minutes"))
            gameMinutes = atof(argv[i + 1]);
        else if (!strcmp(argv[i], "--wall-seconds"))
            wallSeconds = atof(argv[i + 1]);
        else if (!strcmp(argv[i], "--frames"))
            frames = atoi(argv[i + 1]);
        else if (!strcmp(argv[i], "--seed"))
            seed = (unsigned)atol(argv[i + 1]);
    }
    if (gameMinutes >= 1e9 && wallSeconds >= 1e9 && frames <= 0)
        gameMinutes = 1;

    // The game's chatter (every tile laid, every console line) is not the
    // point here; problems and sanitizer reports still reach stderr.
    fprintf(stderr, "soak: seed %u\n", seed); // for a run that never reaches its summary
    if (!freopen("/dev/null", "w", stdout))
        return 1;

    GameHarness h;
    std::filesystem::copy(std::string(LARDER_SOURCE_DIR) + "/data", "data",
                          std::filesystem::copy_options::recursive);
    CGame* game = h.start();
    gameRandom().seed(seed);
    ScriptedPlatform& io = h.io();
    RandomPlayer player(io, seed);

    const Uint32 startTicks = io.now;
    const auto wallStart = std::chrono::steady_clock::now();
    auto wallElapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    };
    auto gameElapsed = [&] { return (io.now - startTicks) / 60000.0; };

    // A loop that stops drawing frames is a hang: the watchdog ends the run.
    std::atomic<int> lastFrame{0};
    std::atomic<bool> finished{false};
    std::thread watchdog([&] {
        int seen = -1;
        while (!finished) {
            for (int i = 0; i < 300 && !finished; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (!finished && lastFrame == seen) {
                fprintf(stderr, "soak: no frame drawn for 30 s, the game hangs\n");
                abort();
            }
            seen = lastFrame;
        }
    });

    // Memory is first taken once everything has been loaded and drawn a while.
    const int WARM_UP_FRAMES = 500;
    long rssAfterWarmUp = -1;
    std::string rssEachMinute; // MB, at game minutes 1, 2, ...
    int minutesLogged = 0;
    bool stopping = false;
    int stopFrame = 0;
    io.onFrame = [&](int n) {
        lastFrame = n;
        if (n == WARM_UP_FRAMES)
            rssAfterWarmUp = residentKb("VmRSS:");
        if ((int)gameElapsed() > minutesLogged) {
            minutesLogged++;
            rssEachMinute += " " + std::to_string(residentKb("VmRSS:") / 1024);
        }
        if (!stopping && (gameElapsed() >= gameMinutes || wallElapsed() >= wallSeconds || n == frames)) {
            stopping = true;
            stopFrame = n;
        }
        if (stopping)
            player.quitAll();
        else
            player.nextFrame();
    };
    while (!stopping)
        game->menuLoop();
    finished = true;
    watchdog.join();

    const long peakKb = residentKb("VmHWM:");
    fprintf(stderr,
            "soak: --seed %u --frames %d: %.2f game minutes, %d frames, %ld events in %.1f s, world state %08X; "
            "resident memory %ld kB after %i frames, %ld kB at the end, peak %ld kB; MB at each game minute:%s\n",
            seed, stopFrame, gameElapsed(), io.framesDone, player.events, wallElapsed(),
            (unsigned)game->worldChecksum(), rssAfterWarmUp, WARM_UP_FRAMES, residentKb("VmRSS:"), peakKb,
            rssEachMinute.c_str());
    if (residentLimitKb() > 0 && peakKb > residentLimitKb()) {
        fprintf(stderr, "soak: FAIL) peak resident memory %ld kB is above the limit of %ld kB\n", peakKb,
                residentLimitKb());
        return 1;
    }
    return 0;
}
