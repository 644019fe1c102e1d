// Time of one play frame of a busy scene, with the shipped data (map, art,
// sounds): 30 NPCs walking on screen around the player, 40 corpses on screen
// (so they bleed) and about 2,000 effects. The frame is timed in two parts,
// as the play loop runs them:
//  - drawing: clear, world colour, tile animation, tiles, effects, weapons,
//    shots, sprites (corpses first), larders, head-up display, then glFinish
//    so the rendering work of the GL driver (llvmpipe here) is counted;
//  - simulation: slow motion, player input, NPC update, bullets.
// Prints the median and the 90th percentile over 300 frames after a warm-up,
// then, from a second run of 300 frames in which every layer is finished
// before the next starts, the drawing time of each layer.
//
// Beside the wall-clock times, the processor time of the whole process (the
// GL driver's threads included) is given as "cpu": on a machine shared with
// other work it varies far less than the wall clock.
//
// Also prints the glDrawArrays calls of one frame's drawing. With
// --one-quad-per-call every quad is drawn by a call of its own, as before
// drawing was batched.
//
// Between frames, outside the timing, NPCs that stopped or got stuck get new
// orders and the effects are brought back to 2,000: the oldest are dropped,
// or blood splashes are added on screen (the corpses add some every frame).
// The player stands unarmed and unhurt, so the world colour is plain white.
#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "../common/Silence.h"
#include "GameHarness.h"
#include "render/SpriteBatch.h"
#include "world/Effect.h"
#include "world/AIActor.h"
#include "world/CopActor.h"
#include "world/Corpse.h"
#include "world/GameRandom.h"
#include "world/Map.h"

namespace {

const int FRAMES = 300;
const int WARM_UP = 30;
const int NPCS = 30;
const int CORPSES = 40;
const size_t EFFECTS = 2000;
const float FRAME_TIME = 1.0f / 60.0f;
const int CIVILIAN_BODY = 17, OFFICER_BODY = 33;

using Clock = std::chrono::steady_clock;
unsigned long callsPerFrame = 0;

double microseconds(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::micro>(b - a).count();
}

// Processor time of every thread of the process so far.
double cpuMicroseconds()
{
    timespec t;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void report(const char* part, std::vector<double> v, const std::vector<double>& cpu)
{
    double mid = median(v);
    std::sort(v.begin(), v.end());
    printf("%-11s %9.0f %9.0f %9.0f\n", part, mid, v[v.size() * 9 / 10], median(cpu));
}

// The visible part of the world around the player, in world pixels (the
// view is centred 24 pixels right of and below the player's corner).
struct View {
    float left, top, width, height;
    float randomX() const { return left + (float)(rand() % (int)width); }
    float randomY() const { return top + (float)(rand() % (int)height); }
};

// A random point of the view where a body can stand (the player's wall test).
void freeSpot(CGame* game, const View& v, float& x, float& y)
{
    for (int tries = 0; tries < 1000; tries++) {
        x = v.randomX();
        y = v.randomY();
        if (!game->playerCollision(x, y))
            return;
    }
}

// The free spot nearest the middle of the map along a diagonal, for the player.
void placePlayer(CGame* game)
{
    float mid = Map::WORLD / 2.0f;
    for (float d = 0; d < mid; d += 8) {
        if (!game->playerCollision(mid + d, mid + d)) {
            game->world.player->x = game->world.player->y = mid + d;
            return;
        }
    }
}

// Officers report their guns as they are deleted: callers keep it quiet.
void removeNpcs(CGame* game)
{
    Actor* player = game->world.player;
    game->world.actors.dropIf([player](Actor* a) { return a != player; });
}

void populate(CGame* game, const View& v)
{
    removeNpcs(game);
    for (int i = 0; i < NPCS; i++) {
        std::unique_ptr<AIActor> npc;
        if (i % 4 == 3) {
            auto cop = std::make_unique<CopActor>();
            cop->cacheMap(game->theMap.get());
            npc = std::move(cop);
        } else {
            npc = std::make_unique<AIActor>();
        }
        freeSpot(game, v, npc->x, npc->y);
        game->world.actors.put(std::move(npc));
    }
    for (int i = 0; i < CORPSES; i++) {
        auto c = std::make_unique<Corpse>();
        c->setFrame(i % 4 == 3 ? OFFICER_BODY : CIVILIAN_BODY);
        c->setRotation(rand() % 360);
        // Spread the bleeding over the frames instead of all at once.
        c->updateTimer((float)(rand() % 65) / 100.0f);
        freeSpot(game, v, c->x, c->y);
        game->world.corpses.put(std::move(c));
    }
}

// NPCs that stand, or did not move last frame (blocked by a wall), walk on.
void keepWalking(CGame* game, const View& v, std::vector<float>& lastX)
{
    lastX.resize(game->world.actors.size(), -1);
    for (size_t i = 0; i < game->world.actors.size(); i++) {
        AIActor* npc = dynamic_cast<AIActor*>(game->world.actors[i]);
        if (!npc)
            continue;
        if (npc->getState() != STATE_WALKING || npc->x == lastX[i]) {
            float x, y;
            freeSpot(game, v, x, y);
            npc->walkTo(x, y);
        }
        lastX[i] = npc->x;
    }
}

void keepEffectCount(CGame* game, const View& v)
{
    OwnedList<Effect>& fx = game->world.effects;
    if (fx.size() > EFFECTS) {
        size_t extra = fx.size() - EFFECTS; // the oldest go
        fx.dropIf([&extra](Effect*) {
            if (extra == 0)
                return false;
            extra--;
            return true;
        });
    }
    while (fx.size() < EFFECTS)
        game->spawnBlood(1, v.randomX(), v.randomY());
}

// One frame's drawing as the play loop does it. With `layers`, each layer
// is finished and timed on its own (tiles, effects, sprites, rest).
void drawFrame(CGame* game, std::vector<double>* layers)
{
    int cx = (int)game->world.player->x + 24;
    int cy = (int)game->world.player->y + 24;
    Clock::time_point mark = Clock::now();
    double cpuMark = cpuMicroseconds();
    auto lap = [&](int n) {
        if (!layers)
            return;
        SpriteBatch::flush();
        glFinish();
        Clock::time_point now = Clock::now();
        double cpuNow = cpuMicroseconds();
        layers[n].push_back(microseconds(mark, now));
        layers[4 + n].push_back(cpuNow - cpuMark);
        mark = now;
        cpuMark = cpuNow;
    };
    game->clearScreen();
    glColor3f(1, 1, 1);
    game->theMap->updateTileAnimation(game->delta);
    game->drawTileLayer(cx, cy);
    lap(0);
    game->drawEffectLayer(cx, cy);
    lap(1);
    game->drawWeapons(cx, cy);
    game->drawShots(cx, cy);
    game->drawSpriteLayer(cx, cy);
    lap(2);
    game->drawLarders(game->world.player->x + 24.0f, game->world.player->y + 24.0f);
    game->drawHUD();
    SpriteBatch::flush();
    glFinish();
    lap(3);
}

// Runs the scene; fills drawing and simulation, or with `layers` the
// drawing time of each layer (wall clock in layers[0..3], processor time in
// layers[4..7]).
void runFrames(GameHarness& h, const View& view, std::vector<double>* drawing,
               std::vector<double>* simulation, std::vector<double>* layers)
{
    CGame* game = h.game();
    std::vector<float> lastX;
    for (int frame = 0; frame < WARM_UP + FRAMES; frame++) {
        keepWalking(game, view, lastX);
        keepEffectCount(game, view);
        game->delta = FRAME_TIME;

        Clock::time_point t0 = Clock::now();
        double cpu0 = cpuMicroseconds();
        unsigned long calls = SpriteBatch::drawCalls();
        drawFrame(game, frame < WARM_UP ? nullptr : layers);
        Clock::time_point t1 = Clock::now();
        double cpu1 = cpuMicroseconds();
        callsPerFrame = SpriteBatch::drawCalls() - calls;
        game->updateSlowmo();
        game->getInput();
        game->handleAI();
        game->handleShots();
        Clock::time_point t2 = Clock::now();
        h.io().swapBuffers();

        if (frame < WARM_UP || !drawing)
            continue;
        drawing[0].push_back(microseconds(t0, t1));
        simulation[0].push_back(microseconds(t1, t2));
        drawing[1].push_back(microseconds(t0, t2));
        drawing[2].push_back(cpu1 - cpu0);
    }
}

} // namespace

// With a file name as argument, the last frame is also saved there as a BMP.
int main(int argc, char** argv)
{
    const char* picture = nullptr;
    for (int i = 1; i < argc; i++) {
        if (std::string(argv[i]) == "--one-quad-per-call")
            SpriteBatch::setOneQuadPerCall(true);
        else
            picture = argv[i];
    }
    namespace fs = std::filesystem;
    GameHarness h;
    fs::copy(fs::path(LARDER_SOURCE_DIR) / "data", "data", fs::copy_options::recursive);
    CGame* game;
    View view;
    {
        Silence quiet;
        game = h.start();
        game->newGame();
        game->play.help = false;
        srand(12345);
        gameRandom().seed(12345);
        placePlayer(game);
        view = {game->world.player->x + 24 - game->scrWidth / 2.0f,
                game->world.player->y + 24 - game->scrHeight / 2.0f, (float)game->scrWidth,
                (float)game->scrHeight};
        populate(game, view);
    }

    std::vector<double> drawing[3], simulation[1], layers[8];
    runFrames(h, view, drawing, simulation, nullptr);
    runFrames(h, view, nullptr, nullptr, layers);
    printf("Busy scene per frame, microseconds, over %d frames: %d NPCs, %d corpses, "
           "%zu effects, %dx%d window\n",
           FRAMES, NPCS, CORPSES, EFFECTS, game->scrWidth, game->scrHeight);
    printf("%-11s %9s %9s %9s\n", "part", "median", "p90", "cpu");
    report("drawing", drawing[0], drawing[2]);
    printf("%-11s %9.0f\n", "simulation", median(simulation[0]));
    printf("%-11s %9.0f\n", "total", median(drawing[1]));
    printf("Drawing by layer, each finished apart:\n");
    const char* names[] = {"tiles", "effects", "sprites", "hud"};
    for (int i = 0; i < 4; i++)
        report(names[i], layers[i], layers[4 + i]);
    printf("draw calls per frame: %lu\n", callsPerFrame);
    fflush(stdout);

    if (picture) {
        int w = game->scrWidth, hgt = game->scrHeight;
        SDL_Surface* shot = SDL_CreateRGBSurface(SDL_SWSURFACE, w, hgt, 24, 0xff, 0xff00, 0xff0000, 0);
        SpriteBatch::flush();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        for (int y = 0; y < hgt; y++)
            glReadPixels(0, hgt - 1 - y, w, 1, GL_RGB, GL_UNSIGNED_BYTE,
                         (Uint8*)shot->pixels + y * shot->pitch);
        SDL_SaveBMP(shot, picture);
        SDL_FreeSurface(shot);
    }
    Silence quiet;
    removeNpcs(game);
    return 0;
}
