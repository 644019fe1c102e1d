// A gamepad walks, aims and fires, and runs the menu.
#include <gtest/gtest.h>

#include "GameHarness.h"
#include "game/input/GamepadPlatform.h"
#include "world/Bullet.h"
#include "world/Pistol.h"

namespace {

TEST(Gamepad, SticksWalkAndAimOnACircleTheTriggerFiresButtonsPressKeys)
{
    GameHarness h{GameHarness::NO_WINDOW};
    h.gamepad = true;
    CGame* game = h.startStory();
    game->world.player->x = game->world.player->y = 1000;
    game->world.player->setGun(std::make_unique<Pistol>());
    Weapon* gun = game->world.player->getGun();
    gun->setInClip(5);

    ScriptedPlatform& io = h.io();
    io.joyButton(GamepadPlatform::PAD_A, true); // takes the help screen down
    io.joyButton(GamepadPlatform::PAD_A, false);
    io.joyAxis(0, 30000);  // left stick right
    io.joyAxis(4, -30000); // right stick up
    io.joyAxis(5, 32767);  // right trigger
    h.runFrames(30);
    EXPECT_GT(game->world.player->x, 1000) << "walked right";
    EXPECT_FLOAT_EQ(game->world.player->y, 1000);
    EXPECT_EQ(game->mouse.cursX, 400);
    EXPECT_EQ(game->mouse.cursY, 300 - GamepadPlatform::AIM_RADIUS) << "the cursor above the player";
    EXPECT_NEAR(game->world.player->getRotation(), 90, 0.5) << "facing up";
    EXPECT_LT(gun->getInClip(), 5) << "the trigger fires";
    EXPECT_FALSE(game->world.shots.empty());

    io.joyAxis(5, -32768); // trigger released
    io.joyAxis(0, 0);
    io.joyButton(GamepadPlatform::PAD_X, true); // reload
    io.joyButton(GamepadPlatform::PAD_Y, true); // information panel, held
    float x = game->world.player->x;
    h.play(3);
    EXPECT_FLOAT_EQ(game->world.player->x, x) << "the stick at rest stops the player";
    EXPECT_FALSE(game->mouse.mbDown);
    EXPECT_EQ(gun->getInClip(), gun->getClipSize()) << "reloaded";
    EXPECT_TRUE(game->devices.io->keyState()[SDLK_i]);

    io.joyButton(GamepadPlatform::PAD_Y, false);
    io.joyButton(GamepadPlatform::PAD_START, true); // leaves the game
    int before = io.framesDone;
    h.play(100);
    EXPECT_LT(io.framesDone - before, 100);
    EXPECT_FALSE(game->devices.io->keyState()[SDLK_i]);
}

TEST(Gamepad, ThePadRunsTheMenu)
{
    GameHarness h{GameHarness::NO_WINDOW};
    h.writeMinimalData();
    h.gamepad = true;
    CGame* game = h.start();
    ScriptedPlatform& io = h.io();
    for (int i = 0; i < 3; i++) { // down to Quit
        io.joyHat(SDL_HAT_DOWN);
        io.joyHat(SDL_HAT_CENTERED);
    }
    io.joyButton(GamepadPlatform::PAD_A, true);
    game->menuLoop(); // returns: Quit was chosen
    EXPECT_TRUE(io.events.empty());
}

} // namespace
