// The shipped town is winnable by an exact player: it walks one arrow key at
// a time and makes each frame last just long enough to stop on the pixel it
// wants, and aims at the middle of its target.
#include <gtest/gtest.h>

#include "TownPlayer.h"

namespace {

class ExactPlayer : public TownPlayer {
public:
    using TownPlayer::TownPlayer;

protected:
    static constexpr float NEAR = 0.5f; // a spot is reached within this many pixels

    // Holds one arrow key toward (x, y) and makes the coming frame last just
    // long enough for the step to end there (at most the longest frame the
    // game takes); true when there.
    bool steer(float x, float y) override
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
        int whole = (int)std::lround(distance / walked(1.0f));
        return whole < 1 ? 1 : (whole > LONGEST_FRAME_MS ? LONGEST_FRAME_MS : whole);
    }

    void fire(Weapon* gun, float x, float y) override
    {
        if (!gun->canFire())
            return;
        int sx = g->scrWidth / 2 + (int)(x - px());
        int sy = g->scrHeight / 2 + (int)(y - py());
        io.mouseMotion(sx, sy);
        io.mouseButton(SDL_BUTTON_LEFT, true, sx, sy);
        io.mouseButton(SDL_BUTTON_LEFT, false, sx, sy);
    }
};

TEST(Autoplayer, WinsTheShippedTownFromNewGameToTheCredits)
{
    GameHarness h;
    CGame* game = startTheTown(h);
    ExactPlayer bot(game, h.io());
    ASSERT_NO_FATAL_FAILURE(playToTheCredits(h, bot, 120000)); // 40 minutes of game time
    printf("Autoplayer: won after %.0f s of game time (%d frames, %d deaths), peak resident memory %ld kB\n",
           bot.gameSeconds, h.io().framesDone, bot.deaths, residentKb("VmHWM:"));
    RecordProperty("gameSeconds", (int)bot.gameSeconds);
}

} // namespace
