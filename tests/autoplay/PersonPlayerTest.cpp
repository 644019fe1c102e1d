// The shipped town is winnable by a player that plays like a person: it acts
// a quarter second after it sees, walks with the keys only in frames of a
// sixtieth of a second, stops within a step of where it means to go (which
// itself is a few pixels off the middle of the way), and aims a few pixels
// off. It counts the doors that stopped it and the pick-ups it had to try
// again.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

#include "TownPlayer.h"

namespace {

class PersonPlayer : public TownPlayer {
public:
    PersonPlayer(CGame* game, ScriptedPlatform& io) : TownPlayer(game, io)
    {
        frameLength = 17;
        stuckLimit = 120;
    }

    int doorStops = 0;     // times a door frame stopped the walk
    int otherStops = 0;    // times any other wall or corner stopped it
    int pickUpRetries = 0; // SPACE presses that did not take what was meant

protected:
    static const Uint32 REACTION_MS = 250;
    static const Uint32 GIVE_UP_MS = 3000;
    static const Uint32 CLICK_MS = 120; // a quick finger: eight clicks a second
    static constexpr float JITTER = 6.0f;     // pixels off the spot meant, each way
    static constexpr float AIM_JITTER = 6.0f; // pixels off the target aimed at, each way
    static const int DOOR_TILE = 9;

    std::mt19937 rng{17};
    struct Action {
        Uint32 due;
        bool standing; // the player stands still until it is done
        std::function<void()> run;
    };
    std::deque<Action> actions;
    Uint32 lastClick = 0;
    int checkIn = 0;           // frames until the outcome of a SPACE press shows
    Weapon* wanted = nullptr;  // what it meant to take (null: a corpse)
    float spotX = -1, spotY = -1, offX = 0, offY = 0;
    float lastX = -1, lastY = -1;
    bool blockedX = false, blockedY = false, stopped = false;
    Uint32 blockedSince = 0;
    char lining = 0; // 'x' or 'y': that axis is stopped short, the other lines up exactly

    float jitter(float span) { return std::uniform_real_distribution<float>(-span, span)(rng); }
    void later(bool standing, std::function<void()> run)
    {
        actions.push_back({io.now + REACTION_MS, standing, run});
    }

    // Once a frame in play: what the last SPACE did, whether a held key got
    // nowhere, and the actions now due. It stands still while a key press is
    // pending, in the frame after it (which shows what it did) and while the
    // outcome of SPACE is awaited; clicks do not hold it.
    bool waiting() override
    {
        if (checkIn > 0 && --checkIn == 0) {
            bool took = wanted ? std::find(g->world.items.begin(), g->world.items.end(), wanted) == g->world.items.end()
                               : g->play.bIsLuggingCorpse;
            pickUpRetries += !took;
        }
        noticeBlocking();
        bool stood = false;
        while (!actions.empty() && actions.front().due <= io.now) {
            actions.front().run();
            stood = stood || actions.front().standing;
            actions.pop_front();
        }
        for (const Action& a : actions)
            stood = stood || a.standing;
        return stood || checkIn > 0;
    }

    // A key press (R) or SPACE: the player stands still until it is done.
    void press(SDLKey k) override
    {
        later(true, [this, k] { io.press(k); });
    }

    void use(Weapon* item) override
    {
        later(true, [this, item] {
            io.press(SDLK_SPACE);
            wanted = item;
            checkIn = 1;
        });
    }

    // Clicks at its own pace while a target is in sight, each click aimed a
    // few pixels off where the target was a quarter second before.
    void fire(Weapon*, float x, float y) override
    {
        if (io.now - lastClick < CLICK_MS)
            return;
        lastClick = io.now;
        int sx = g->scrWidth / 2 + (int)(x + jitter(AIM_JITTER) - px());
        int sy = g->scrHeight / 2 + (int)(y + jitter(AIM_JITTER) - py());
        later(false, [this, sx, sy] {
            io.mouseMotion(sx, sy);
            io.mouseButton(SDL_BUTTON_LEFT, true, sx, sy);
            io.mouseButton(SDL_BUTTON_LEFT, false, sx, sy);
        });
    }

    bool nearDoor() const
    {
        for (float y = py() - 8; y <= py() + 56; y += 16)
            for (float x = px() - 8; x <= px() + 56; x += 16)
                if (g->theMap->getTileAt((int)(x / T), (int)(y / T)) == DOOR_TILE)
                    return true;
        return false;
    }

    // A key held in the last frame moved the body nowhere on its axis; when
    // nothing moved at all, the player was stopped (at a door or elsewhere).
    // After a quarter second of blocking the player lines up with the way
    // exactly on the other axis, as a person nudges sideways at a door frame,
    // until the blocked axis moves again.
    void noticeBlocking()
    {
        const Uint8* keys = io.keys.data();
        bool keyX = keys[SDLK_LEFT] || keys[SDLK_RIGHT], keyY = keys[SDLK_UP] || keys[SDLK_DOWN];
        blockedX = keyX && px() == lastX;
        blockedY = keyY && py() == lastY;
        bool halted = (keyX || keyY) && px() == lastX && py() == lastY;
        if (halted && !stopped)
            (nearDoor() ? doorStops : otherStops)++;
        stopped = halted;
        if (!blockedX && !blockedY) {
            blockedSince = 0;
            lining = 0;
        } else if (blockedSince == 0) {
            blockedSince = io.now;
        } else if (!lining && io.now - blockedSince >= REACTION_MS) {
            lining = blockedX ? 'x' : 'y';
        } else if (lining && io.now - blockedSince >= GIVE_UP_MS) {
            path.clear(); // this way does not go through: plan afresh
            lining = 0;
            blockedSince = 0;
        }
        lastX = px();
        lastY = py();
    }

    // Whether the axis needs no key: near enough the spot, or pushed against
    // something within the spot's own slack.
    bool there(float d, bool blocked, float step) const
    {
        return std::fabs(d) <= step || (blocked && std::fabs(d) <= JITTER + step);
    }

    int key(float d, bool done) const { return done ? 0 : (d < 0 ? -1 : 1); }

    bool steer(float x, float y) override
    {
        if (x != spotX || y != spotY) { // a new spot: meant a few pixels off
            spotX = x;
            spotY = y;
            offX = jitter(JITTER);
            offY = jitter(JITTER);
        }
        float step = walked((float)frameLength);
        float dx = x + offX - px(), dy = y + offY - py();
        int heldX = key(dx, there(dx, blockedX, step));
        int heldY = key(dy, there(dy, blockedY, step));
        // Lining up: the free axis steps past the exact line and back until
        // the blocked one gets through.
        if (lining == 'y' && heldY) {
            float exact = x - px();
            heldX = key(exact, std::fabs(exact) < 0.5f);
        } else if (lining == 'x' && heldX) {
            float exact = y - py();
            heldY = key(exact, std::fabs(exact) < 0.5f);
        }
        releaseKeys();
        if (heldX)
            io.hold(heldX < 0 ? SDLK_LEFT : SDLK_RIGHT, true);
        if (heldY)
            io.hold(heldY < 0 ? SDLK_UP : SDLK_DOWN, true);
        return !heldX && !heldY;
    }
};

TEST(PersonPlayer, WinsTheShippedTownWithJitteredKeysAndAQuarterSecondToReact)
{
    GameHarness h{GameHarness::NO_WINDOW};
    CGame* game = startTheTown(h);
    PersonPlayer bot(game, h.io());
    ASSERT_NO_FATAL_FAILURE(playToTheCredits(h, bot, 150000)); // 42 minutes of game time
    printf("Person-like player: won after %.0f s of game time (%d frames, %d deaths, "
           "stopped %d times at a door and %d times elsewhere, %d pick-ups tried again)\n",
           bot.gameSeconds, h.io().framesDone, bot.deaths, bot.doorStops, bot.otherStops,
           bot.pickUpRetries);
    RecordProperty("gameSeconds", (int)bot.gameSeconds);
    RecordProperty("doorStops", bot.doorStops);
    RecordProperty("pickUpRetries", bot.pickUpRetries);
}

} // namespace
