// The shipped town is winnable: a player made of code starts a New Game from
// the menu and, through the keys, the mouse and the clock only, takes a gun,
// kills everyone, stores every body in a larder and sits through the closing
// scene and the credits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "GameHarness.h"
#include "ResidentMemory.h"
#include "world/GameRandom.h"
#include "world/AIActor.h"
#include "world/Corpse.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/Weapon.h"

namespace {

const int N = Map::SIZE;
const int T = Map::TILE;
const float INSET = 4.0f;       // the 40-pixel body stands 4 px inside its tile
const float FIRE_RANGE = 260.0f; // closer than this, with a clear line, it shoots
const float NEAR = 0.5f;         // a waypoint is reached within this many pixels
const float PLAYER_SPEED = 275.0f;
const int LONGEST_FRAME_MS = 100; // the game advances at most 0.1 s a frame
const int WEAPON_TYPE_HEALTH_PACK = 18;

struct Cell {
    int c, r;
};

// Reads the game's state to decide, and acts only through the scripted
// platform: held keys, queued key presses, mouse motion and clicks.
class Autoplayer {
public:
    Autoplayer(CGame* game, ScriptedPlatform& io) : g(game), io(io) {}

    bool won = false;      // the closing scene was seen with the town empty
    bool quitSent = false;
    int deaths = 0;
    float gameSeconds = 0; // game time spent in play and the closing scene

    // Called after each frame; the clock is moved on so that the frame
    // about to be played lasts `frameMs`.
    void frame()
    {
        frameMs = LONGEST_FRAME_MS;
        act();
        io.now += (Uint32)(frameMs - 1);
    }

private:
    void act()
    {
        // The menu counts its frames, the credits do not: two counted frames
        // in a row after the won game mean the credits are over.
        bool counted = g->frameRate.frames != lastFrames;
        menuFrames = counted && g->play.bGameOver ? menuFrames + 1 : 0;
        lastFrames = g->frameRate.frames;
        if (g->play.bGameOver) {
            if (won && menuFrames >= 2 && !quitSent) {
                io.quit();
                quitSent = true;
            }
            return;
        }
        if (g->world.player == nullptr) {
            if (io.events.empty())
                io.press(SDLK_RETURN); // "New Game", then the help screen
            return;
        }
        gameSeconds += g->delta;
        if (g->play.bInCinema) {
            releaseKeys();
            won = won || g->gameWon();
            return;
        }
        if (g->play.help) {
            if (io.events.empty())
                io.press(SDLK_RETURN);
            return;
        }
        if (g->world.player->getHealth() < wasHealth && g->world.player->getHealth() == 10)
            deaths++;
        wasHealth = g->world.player->getHealth();
        decide();
    }

    CGame* g;
    ScriptedPlatform& io;
    int lastFrames = -1;
    int menuFrames = 0;
    int frameMs = LONGEST_FRAME_MS;
    int wasHealth = 0;
    std::deque<Cell> path;
    float goalX = -1, goalY = -1; // exact spot to reach after the path
    int replanIn = 0;
    int stuckFrames = 0;
    float lastX = 0, lastY = 0;

    float px() const { return g->world.player->x; }
    float py() const { return g->world.player->y; }
    static float spotOf(int cell) { return (float)(cell * T) + INSET; }

    void releaseKeys()
    {
        for (SDLKey k : {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT})
            io.hold(k, false);
    }

    bool open(int c, int r) const
    {
        return c >= 0 && r >= 0 && c < N && r < N && !g->playerCollision(spotOf(c), spotOf(r));
    }

    // Breadth-first search over the tiles a body fits in, from the player's
    // tile to the nearest cell that `isGoal` accepts; the path is stored.
    template <typename Goal> bool planTo(Goal isGoal)
    {
        std::vector<int> from(N * N, -2);
        int start = cellIndex((int)((px() + 20) / T), (int)((py() + 20) / T));
        std::deque<int> queue = {start};
        from[start] = -1;
        while (!queue.empty()) {
            int at = queue.front();
            queue.pop_front();
            int c = at % N, r = at / N;
            if (isGoal(c, r)) {
                path.clear();
                for (int i = at; i != -1; i = from[i])
                    path.push_front({i % N, i / N});
                return true;
            }
            const int dc[4] = {1, -1, 0, 0}, dr[4] = {0, 0, 1, -1};
            for (int k = 0; k < 4; k++) {
                int nc = c + dc[k], nr = r + dr[k];
                if (open(nc, nr) && from[cellIndex(nc, nr)] == -2) {
                    from[cellIndex(nc, nr)] = at;
                    queue.push_back(cellIndex(nc, nr));
                }
            }
        }
        path.clear();
        return false;
    }
    static int cellIndex(int c, int r) { return r * N + c; }

    // Holds one arrow key toward (x, y) and makes the coming frame last just
    // long enough for the step to end there (at most the longest frame the
    // game takes); true when there.
    bool steer(float x, float y)
    {
        releaseKeys();
        float dx = x - px(), dy = y - py();
        bool xFirst = std::fabs(dx) > NEAR && !g->playerCollision(x, py());
        if (std::fabs(dx) > NEAR && (xFirst || std::fabs(dy) <= NEAR)) {
            io.hold(dx < 0 ? SDLK_LEFT : SDLK_RIGHT, true);
            frameMs = msFor(std::fabs(dx));
            return false;
        }
        if (std::fabs(dy) > NEAR) {
            io.hold(dy < 0 ? SDLK_UP : SDLK_DOWN, true);
            frameMs = msFor(std::fabs(dy));
            return false;
        }
        return true;
    }

    // Real milliseconds in which the player walks `distance` pixels.
    int msFor(float distance) const
    {
        float perGameSecond = PLAYER_SPEED;
        if (g->play.bIsLuggingCorpse)
            perGameSecond /= 2.6f;
        else if (g->play.slowMoTimer > 0)
            perGameSecond *= 1.6f;
        float ms = distance / perGameSecond * g->deltaTimer;
        int whole = (int)std::lround(ms);
        return whole < 1 ? 1 : (whole > LONGEST_FRAME_MS ? LONGEST_FRAME_MS : whole);
    }

    // Follows the planned path, then the exact goal spot; true when there.
    bool walk()
    {
        while (!path.empty() && steer(spotOf(path.front().c), spotOf(path.front().r)))
            path.pop_front();
        if (!path.empty())
            return false;
        if (goalX < 0)
            return true;
        return steer(goalX, goalY);
    }

    // A bullet from the player toward (x, y) meets no wall on the way.
    bool clearLine(float x, float y) const
    {
        float dx = x - px(), dy = y - py();
        float length = std::sqrt(dx * dx + dy * dy);
        for (float d = 0; d < length; d += 6.0f) {
            if (g->theMap->isBulletSolid(px() + dx * d / length, py() + dy * d / length))
                return false;
        }
        return true;
    }

    void aimAndClick(float x, float y)
    {
        int sx = g->scrWidth / 2 + (int)(x - px());
        int sy = g->scrHeight / 2 + (int)(y - py());
        io.mouseMotion(sx, sy);
        io.mouseButton(SDL_BUTTON_LEFT, true, sx, sy);
        io.mouseButton(SDL_BUTTON_LEFT, false, sx, sy);
    }

    void decide()
    {
        if (std::fabs(px() - lastX) + std::fabs(py() - lastY) < 0.01f)
            stuckFrames++;
        else
            stuckFrames = 0;
        lastX = px();
        lastY = py();
        if (stuckFrames > 60) { // something in the way: plan afresh
            path.clear();
            replanIn = 0;
            stuckFrames = 0;
        }

        Weapon* gun = g->world.player->getGun();
        bool armed = gun && gun->getInClip() + gun->getReserve() > 0;
        if (g->play.bIsLuggingCorpse) {
            storeCorpse();
        } else if (g->world.player->getHealth() < 60 && findItem(true)) {
            fetchItem(true);
        } else if (!armed) {
            fetchItem(false);
        } else if (g->world.actors.size() > 1) {
            hunt(gun);
        } else if (!g->world.corpses.empty()) {
            fetchCorpse();
        } else {
            releaseKeys();
        }
    }

    Weapon* findItem(bool healthPack) const
    {
        Weapon* best = nullptr;
        float bestD = 1e9f;
        for (Weapon* w : g->world.items) {
            bool wanted = healthPack ? w->getType() == WEAPON_TYPE_HEALTH_PACK
                                     : !w->isPowerup() && w->getInClip() + w->getReserve() > 0;
            float d = std::hypot(w->x - px(), w->y - py());
            if (wanted && d < bestD) {
                best = w;
                bestD = d;
            }
        }
        return best;
    }

    void fetchItem(bool healthPack)
    {
        Weapon* w = findItem(healthPack);
        if (!w) {
            releaseKeys();
            return;
        }
        if (g->play.bIsOverWeapon && g->getWeaponAt(px(), py()) == w) {
            releaseKeys();
            if (io.events.empty())
                io.press(SDLK_SPACE);
            return;
        }
        goTo(w->x, w->y);
    }

    // Plans toward the tile nearest to the spot, then walks to the spot.
    void goTo(float x, float y)
    {
        if (--replanIn <= 0 || path.empty()) {
            int gc = (int)((x + 20) / T), gr = (int)((y + 20) / T);
            planTo([&](int c, int r) { return std::abs(c - gc) + std::abs(r - gr) <= 0; });
            if (path.empty()) // the spot's own tile is closed: any open neighbour
                planTo([&](int c, int r) { return std::abs(c - gc) <= 1 && std::abs(r - gr) <= 1; });
            replanIn = 25;
        }
        goalX = x;
        goalY = y;
        walk();
    }

    void hunt(Weapon* gun)
    {
        Actor* target = nullptr;
        float bestD = 1e9f;
        for (Actor* a : g->world.actors) {
            if (a == g->world.player)
                continue;
            float d = std::hypot(a->x - px(), a->y - py());
            if (d < FIRE_RANGE && clearLine(a->x + 20, a->y + 20) && d < bestD) {
                target = a;
                bestD = d;
            }
        }
        if (target) {
            releaseKeys();
            path.clear();
            // Lead a moving target by its speed over the bullet's flight.
            AIActor* npc = dynamic_cast<AIActor*>(target);
            float t = bestD / gun->getSpeed();
            float ax = target->x + 20, ay = target->y + 20;
            if (npc && npc->getState() != STATE_IDLE) {
                ax = npc->getNewX(t) + 20;
                ay = npc->getNewY(t) + 20;
            }
            if (gun->getInClip() < 1) {
                if (io.events.empty())
                    io.press(SDLK_r);
            } else if (gun->canFire()) {
                aimAndClick(ax, ay);
            }
            return;
        }
        // Nobody in sight: walk toward the nearest one by the path search.
        if (--replanIn <= 0 || path.empty()) {
            std::vector<char> here(N * N, 0);
            for (Actor* a : g->world.actors)
                if (a != g->world.player)
                    here[cellIndex((int)((a->x + 24) / T), (int)((a->y + 24) / T))] = 1;
            planTo([&](int c, int r) { return here[cellIndex(c, r)] != 0; });
            replanIn = 25;
        }
        goalX = -1;
        walk();
    }

    // Stands where the nearest corpse is underfoot and no item is, then SPACE.
    void fetchCorpse()
    {
        Corpse* best = nullptr;
        float bestD = 1e9f;
        for (Corpse* c : g->world.corpses) {
            float d = std::hypot(c->x - px(), c->y - py());
            if (d < bestD) {
                best = c;
                bestD = d;
            }
        }
        if (g->play.bIsOverCorpse && !g->play.bIsOverWeapon && bestD < 60) {
            releaseKeys();
            if (io.events.empty())
                io.press(SDLK_SPACE);
            return;
        }
        const float offsets[9][2] = {{0, 0},   {40, 0},   {-40, 0},  {0, 40},  {0, -40},
                                     {30, 30}, {-30, 30}, {30, -30}, {-30, -30}};
        for (int i = 0; i < 9; i++) {
            float x = best->x + offsets[i][0], y = best->y + offsets[i][1];
            if (!g->playerCollision(x, y) && (!g->getWeaponAt(x, y) || i == 8)) {
                if (g->play.bIsOverWeapon && bestD < 60 && io.events.empty() && stuckFrames > 5)
                    io.press(SDLK_SPACE); // take the gun off the body, then try again
                goTo(x, y);
                return;
            }
        }
        goTo(best->x, best->y);
    }

    // Walks the dragged body to the nearest larder; it is stored on arrival.
    void storeCorpse()
    {
        if (--replanIn <= 0 || path.empty()) {
            planTo([&](int c, int r) {
                float cx = spotOf(c) + 24, cy = spotOf(r) + 24;
                for (Larder* l : g->world.larders) {
                    float dx = cx - (l->getX() + 64), dy = cy - (l->getY() + 64);
                    if (dx * dx + dy * dy < 16000)
                        return true;
                }
                return false;
            });
            replanIn = 50;
        }
        goalX = -1;
        walk();
    }
};

TEST(Autoplayer, WinsTheShippedTownFromNewGameToTheCredits)
{
    GameHarness h;
    h.linkShippedData();
    CGame* game = h.start();
    gameRandom().seed(20261207); // one fixed game, so a failure can be replayed
    h.io().frameMs = 1; // the autoplayer adds the rest of each frame
    Autoplayer bot(game, h.io());
    const int FRAME_LIMIT = 120000; // 40 minutes of game time
    h.io().onFrame = [&](int n) {
        bot.frame();
        if (getenv("AUTOPLAYER_TRACE") && n % 1500 == 0 && game->world.player)
            fprintf(stderr, "over %d cinema %d won %d help %d frame %d t %.0f at (%.0f,%.0f) hp %d actors %zu corpses %zu larder %d gun %d\n",
                    game->play.bGameOver, game->play.bInCinema, bot.won, game->play.help, n, bot.gameSeconds, game->world.player->x, game->world.player->y,
                    game->world.player->getHealth(), game->world.actors.size(), game->world.corpses.size(),
                    game->play.inLarder, game->world.player->getGun() ? game->world.player->getGun()->getInClip() + game->world.player->getGun()->getReserve() : -1);
        if (n >= FRAME_LIMIT && !bot.quitSent) {
            h.io().quit();
            bot.quitSent = true;
        }
    };
    testing::internal::CaptureStdout();
    game->menuLoop();
    std::string out = testing::internal::GetCapturedStdout();

    size_t won = out.find("Player has completed the game\n");
    size_t bail = out.find("gameLoop: Bailing out of cinema, appears to be done\n", won);
    size_t credits = out.find("No more lines appear to be on screen.\n", bail);
    ASSERT_NE(won, std::string::npos) << "frames: " << h.io().framesDone
        << ", actors left " << game->world.actors.size() << ", corpses " << game->world.corpses.size();
    EXPECT_NE(bail, std::string::npos) << "the closing scene played to its end";
    EXPECT_NE(credits, std::string::npos) << "the credits rolled";
    EXPECT_TRUE(bot.won);
    const long peakKb = residentKb("VmHWM:");
    if (residentLimitKb() > 0)
        EXPECT_LE(peakKb, residentLimitKb()) << "peak resident memory in kB";
    printf("Autoplayer: won after %.0f s of game time (%d frames, %d deaths), peak resident memory %ld kB\n",
           bot.gameSeconds, h.io().framesDone, bot.deaths, peakKb);
    RecordProperty("gameSeconds", (int)bot.gameSeconds);
}

} // namespace
