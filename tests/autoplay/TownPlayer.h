// A player made of code for the shipped town: it starts a New Game from the
// menu and, through the keys, the mouse and the clock only, takes a gun,
// kills everyone, stores every body in a larder and sits through the closing
// scene and the credits. How it walks, aims and presses keys is left to the
// kind of player (an exact one, or one that plays like a person).
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

class TownPlayer {
public:
    TownPlayer(CGame* game, ScriptedPlatform& io) : g(game), io(io) {}
    virtual ~TownPlayer() = default;

    bool won = false; // the closing scene was seen with the town empty
    bool quitSent = false;
    int deaths = 0;
    float gameSeconds = 0; // game time spent in play and the closing scene

    // Called after each frame; the clock is moved on so that the frame
    // about to be played lasts `frameMs`.
    void frame()
    {
        frameMs = frameLength;
        act();
        io.now += (Uint32)(frameMs - 1);
    }

protected:
    static const int N = Map::SIZE;
    static const int T = Map::TILE;
    static constexpr float INSET = 4.0f;        // the 40-pixel body stands 4 px inside its tile
    static constexpr float FIRE_RANGE = 260.0f; // closer than this, with a clear line, it shoots
    static constexpr float PLAYER_SPEED = 275.0f;
    static const int LONGEST_FRAME_MS = 100; // the game advances at most 0.1 s a frame
    static const int WEAPON_TYPE_HEALTH_PACK = 18;
    struct Cell {
        int c, r;
    };

    CGame* g;
    ScriptedPlatform& io;
    int frameLength = LONGEST_FRAME_MS; // each frame lasts this long unless steer() says
    int frameMs = LONGEST_FRAME_MS;
    std::deque<Cell> path;
    float goalX = -1, goalY = -1; // exact spot to reach after the path
    int stuckLimit = 60;          // frames without moving before planning afresh

    // Walks toward the spot (x, y), the body's top-left corner; true when there.
    virtual bool steer(float x, float y) = 0;
    // Shoots `gun` at the spot (x, y) (where the target's corner is; the
    // bullet flies from the body's middle to the target's).
    virtual void fire(Weapon* gun, float x, float y) = 0;
    // Presses a key (Return, R). Space goes through use(), with what it is
    // meant to take: `item`, or the corpse underfoot when null.
    virtual void press(SDLKey k)
    {
        if (io.events.empty())
            io.press(k);
    }
    virtual void use(Weapon*) { press(SDLK_SPACE); }
    // True while the player waits for something it did: it stands still.
    virtual bool waiting() { return false; }

    float px() const { return g->world.player->x; }
    float py() const { return g->world.player->y; }
    static float spotOf(int cell) { return (float)(cell * T) + INSET; }
    static int cellIndex(int c, int r) { return r * N + c; }

    void releaseKeys()
    {
        for (SDLKey k : {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT})
            io.hold(k, false);
    }

    // Pixels the player walks in `ms` real milliseconds.
    float walked(float ms) const
    {
        float perGameSecond = PLAYER_SPEED;
        if (g->play.bIsLuggingCorpse)
            perGameSecond /= 2.6f;
        else if (g->play.slowMoTimer > 0)
            perGameSecond *= 1.6f;
        return perGameSecond * ms / g->deltaTimer;
    }

private:
    int lastFrames = -1;
    int menuFrames = 0;
    int wasHealth = 0;
    int replanIn = 0;
    int stuckFrames = 0;
    float lastX = 0, lastY = 0;

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
        if (!counted) { // the death fade: no play until it is over
            releaseKeys();
            return;
        }
        if (waiting())
            releaseKeys();
        else
            decide();
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

    // A bullet from the player to a target with its corner at (x, y) meets no
    // wall on the way: it flies between the two bodies' middles.
    bool clearLine(float x, float y) const
    {
        float dx = x - px(), dy = y - py();
        float length = std::sqrt(dx * dx + dy * dy);
        for (float d = 0; d < length; d += 6.0f) {
            if (g->theMap->isBulletSolid(px() + 24 + dx * d / length, py() + 24 + dy * d / length))
                return false;
        }
        return true;
    }

    void decide()
    {
        if (std::fabs(px() - lastX) + std::fabs(py() - lastY) < 0.01f)
            stuckFrames++;
        else
            stuckFrames = 0;
        lastX = px();
        lastY = py();
        if (stuckFrames > stuckLimit) { // something in the way: plan afresh
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
            use(w);
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
            if (d < FIRE_RANGE && clearLine(a->x, a->y) && d < bestD) {
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
            float ax = target->x, ay = target->y;
            if (npc && npc->getState() != STATE_IDLE) {
                ax = npc->getNewX(t);
                ay = npc->getNewY(t);
            }
            if (gun->getInClip() < 1)
                press(SDLK_r);
            else
                fire(gun, ax, ay);
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
        if (g->play.bIsOverCorpse && (!g->play.bIsOverWeapon || g->useTakesCorpse()) && bestD < 60) {
            releaseKeys();
            use(nullptr);
            return;
        }
        // Walk to the nearest spot that has the body underfoot and nothing
        // else; with none, take the item off the body first.
        float spotX = best->x, spotY = best->y, spotD = 1e9f;
        for (float dy = -40; dy <= 40; dy += 8)
            for (float dx = -40; dx <= 40; dx += 8) {
                float x = best->x + dx, y = best->y + dy;
                if (std::hypot(dx, dy) < spotD && !g->playerCollision(x, y) && !g->getWeaponAt(x, y)) {
                    spotX = x;
                    spotY = y;
                    spotD = std::hypot(dx, dy);
                }
            }
        if (spotD > 1e8f && g->play.bIsOverWeapon && bestD < 60 && stuckFrames > 5)
            use(g->getWeaponAt(px(), py()));
        goTo(spotX, spotY);
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

// The shipped town in a started game, its random generator seeded with a
// fixed number so that a failure can be replayed; the player adds the
// length of each frame to the clock.
inline CGame* startTheTown(GameHarness& h)
{
    h.linkShippedData();
    CGame* game = h.start();
    gameRandom().seed(20261207);
    h.io().frameMs = 1;
    return game;
}

// Plays from the menu with `bot` until the credits have rolled (or the frame
// limit is reached) and checks that the town was won.
inline void playToTheCredits(GameHarness& h, TownPlayer& bot, int frameLimit)
{
    CGame* game = h.game();
    h.io().onFrame = [&](int n) {
        bot.frame();
        if (getenv("AUTOPLAYER_TRACE") && n % 1500 == 0 && game->world.player)
            fprintf(stderr, "frame %d t %.0f at (%.0f,%.0f) hp %d actors %zu corpses %zu larder %d\n",
                    n, bot.gameSeconds, game->world.player->x, game->world.player->y,
                    game->world.player->getHealth(), game->world.actors.size(), game->world.corpses.size(),
                    game->play.inLarder);
        if (n >= frameLimit && h.io().events.empty()) { // out of the game, then the menu
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
    ASSERT_NE(won, std::string::npos) << "frames: " << h.io().framesDone << ", actors left "
                                      << game->world.actors.size() << ", corpses " << game->world.corpses.size()
                                      << ", at (" << game->world.player->x << ", " << game->world.player->y << ")";
    EXPECT_NE(bail, std::string::npos) << "the closing scene played to its end";
    EXPECT_NE(credits, std::string::npos) << "the credits rolled";
    EXPECT_TRUE(bot.won);
    if (residentLimitKb() > 0)
        EXPECT_LE(residentKb("VmHWM:"), residentLimitKb()) << "peak resident memory in kB";
}
