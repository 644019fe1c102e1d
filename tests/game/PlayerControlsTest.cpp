// The player's controls and the bullets in a running play loop, and how
// items, bullets and actors land on the screen.
#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "GameHarness.h"
#include "world/Actor.h"
#include "world/Bullet.h"
#include "world/HealthPill.h"
#include "world/Map.h"
#include "world/Pistol.h"
#include "world/Shotgun.h"

namespace {

const Rgb BLACK = {0, 0, 0};

int count(const std::string& text, const std::string& what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        n++;
    return n;
}

class PlayerControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeMinimalData();
        game = h.start();
        game->newGame();
        // A civilian far away, so the story game is not won at once.
        bystander = new Actor();
        bystander->x = 3000;
        bystander->y = 3000;
        bystander->team = 1;
        bystander->setHealthMax(100);
        bystander->setHealth(100);
        game->actors.push_back(bystander);
        game->player->x = 1000;
        game->player->y = 1000;
    }
    // Runs `frames` frames of play with the input queued so far. Every game
    // loop opens behind the help screen, which a key put ahead of that input
    // takes down in one extra frame.
    void play(int frames)
    {
        std::deque<SDL_Event> queued;
        queued.swap(h.io().events);
        h.io().press(SDLK_RETURN);
        h.io().events.insert(h.io().events.end(), queued.begin(), queued.end());
        h.runFrames(frames + 1);
    }
    Weapon* arm(Weapon* gun)
    {
        game->player->setGun(gun);
        return gun;
    }
    GameHarness h;
    CGame* game = nullptr;
    Actor* bystander = nullptr;
};

TEST_F(PlayerControls, DiagonalWalkIntoAWallSlidesAlongIt)
{
    for (int row = 0; row < Map::SIZE; row++)
        game->theMap->setTileAt(10, row, 1); // a wall from x 480
    game->player->x = 430;
    h.io().frameMs = 20; // 5.5 pixels a frame at the default speed
    h.io().hold(SDLK_RIGHT, true);
    h.io().hold(SDLK_s, true);
    play(10);
    EXPECT_FLOAT_EQ(game->player->x, 435.5f) << "one step, then the wall";
    EXPECT_NEAR(game->player->y, 1055.0f, 0.01f) << "the free axis keeps its full speed";

    h.io().hold(SDLK_s, false);
    h.io().hold(SDLK_RIGHT, false);
    h.io().hold(SDLK_UP, true);
    h.io().hold(SDLK_DOWN, true);
    h.io().hold(SDLK_LEFT, true);
    h.io().hold(SDLK_d, true);
    play(2);
    EXPECT_NEAR(game->player->y, 1044.0f, 0.01f) << "up wins over down";
    EXPECT_FLOAT_EQ(game->player->x, 424.5f) << "left wins over right";
}

TEST_F(PlayerControls, NegativePositionsAlwaysCollide)
{
    EXPECT_TRUE(game->playerCollision(-0.5f, 1000));
    EXPECT_TRUE(game->playerCollision(1000, -0.5f));
    EXPECT_FALSE(game->playerCollision(0, 0));
    game->theMap->setTileAt(1, 1, 1);
    EXPECT_TRUE(game->playerCollision(10, 10)) << "the corner at +40 reaches the solid tile";
    EXPECT_FALSE(game->playerCollision(7, 7));
}

TEST_F(PlayerControls, HeldButtonFiresAtTheRefreshRateThenClicksDry)
{
    Weapon* pistol = arm(new Pistol());
    pistol->setInClip(3);
    pistol->setReserve(0);
    std::vector<int> clip;
    h.io().onFrame = [&](int) { clip.push_back(pistol->getInClip()); };
    h.io().frameMs = 100;
    h.io().mouseMotion(600, 300); // aim to the right
    h.io().mouseButton(SDL_BUTTON_LEFT, true, 600, 300);

    testing::internal::CaptureStdout();
    play(20);
    std::string out = testing::internal::GetCapturedStdout();

    // Frame 0 is the help screen. The new pistol's 0.35 s refresh has passed
    // after four frames of 0.1 s, and again four frames after every shot.
    ASSERT_EQ(clip.size(), 21u);
    std::vector<int> shotFrames;
    for (size_t i = 1; i < clip.size(); i++)
        if (clip[i] < clip[i - 1])
            shotFrames.push_back((int)i);
    EXPECT_EQ(shotFrames, (std::vector<int>{5, 9, 13}));
    EXPECT_EQ(clip.back(), 0);
    EXPECT_EQ(count(out, "Sample 7 is out of bounds\n"), 3) << "the pistol's own sample per shot";
    EXPECT_EQ(count(out, "Sample 4 is out of bounds\n"), 7) << "a dry click every held frame";
    EXPECT_EQ(game->player->getSpriteID(), 3) << "the firing pose while the button is held";
}

TEST_F(PlayerControls, ShotgunPullPutsEightPelletsInTheAirForOneRound)
{
    Weapon* shotgun = arm(new Shotgun());
    shotgun->update(1.0f); // past its refresh time
    h.io().mouseMotion(400, 100); // aim straight up
    h.io().mouseButton(SDL_BUTTON_LEFT, true, 400, 100);
    play(2);

    EXPECT_EQ(shotgun->getInClip(), 7);
    ASSERT_EQ(game->shots.size(), 8u);
    for (Bullet* b : game->shots) {
        EXPECT_EQ(b->team, 0);
        EXPECT_GE(b->heading, 80.0);
        EXPECT_LT(b->heading, 100.0);
        EXPECT_LT(b->y, game->player->y) << "pellets start ahead of the player";
    }
}

TEST_F(PlayerControls, ReloadWithRKeyOrRightButton)
{
    Weapon* pistol = arm(new Pistol());
    pistol->setInClip(5);
    pistol->setReserve(100);
    h.io().press(SDLK_r);
    play(1);
    EXPECT_EQ(pistol->getInClip(), 17);
    EXPECT_EQ(pistol->getReserve(), 88);

    pistol->setInClip(5);
    pistol->update(1.0f);
    h.io().mouseButton(SDL_BUTTON_RIGHT, true, 600, 300);
    play(1);
    EXPECT_EQ(pistol->getInClip(), 17);
    EXPECT_EQ(pistol->getReserve(), 76);
    EXPECT_TRUE(game->shots.empty()) << "the right button reloads instead of firing";
    EXPECT_FALSE(game->mbDown);
}

TEST_F(PlayerControls, SpaceSwapsTheHeldGunForTheOneUnderfoot)
{
    Weapon* shotgun = arm(new Shotgun());
    Weapon* pistol = new Pistol();
    pistol->x = 1010;
    pistol->y = 1020;
    game->items.push_back(pistol);
    h.io().press(SDLK_SPACE);
    play(1);

    EXPECT_EQ(game->player->getGun(), pistol);
    ASSERT_EQ(game->items.size(), 1u);
    EXPECT_EQ(game->items[0], shotgun);
    EXPECT_FLOAT_EQ(shotgun->x, game->player->x);
    EXPECT_FLOAT_EQ(shotgun->y, game->player->y);
    EXPECT_TRUE(game->bIsOverWeapon) << "the shotgun now lies underfoot";
}

TEST_F(PlayerControls, HealthPackRestoresFullHealthAndIsUsedUp)
{
    game->player->setHealth(10);
    Weapon* pack = new HealthPill();
    pack->x = 1000;
    pack->y = 1000;
    game->items.push_back(pack);
    h.io().press(SDLK_SPACE);
    testing::internal::CaptureStdout();
    play(1);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(game->player->getHealth(), 150);
    EXPECT_TRUE(game->items.empty());
    EXPECT_NE(out.find("Healthpack acquired!\n"), std::string::npos);
}

TEST_F(PlayerControls, BulletHurtsAnotherTeamAndPassesItsOwn)
{
    auto bulletAt = [](float x, float y, int team) {
        Bullet* b = new Bullet();
        b->x = x;
        b->y = y;
        b->team = team;
        b->damage = 30;
        b->range = 700;
        b->speed = 450;
        b->heading = 0; // toward +x
        return b;
    };
    game->shots.push_back(bulletAt(2990, 3010, 1)); // the bystander's own team
    game->shots.push_back(bulletAt(2990, 3010, 0));
    h.io().frameMs = 20;
    play(1);
    EXPECT_EQ(bystander->getHealth(), 70);
    ASSERT_EQ(game->shots.size(), 1u);
    EXPECT_EQ(game->shots[0]->team, 1) << "a bullet never hits its own team";
}

TEST_F(PlayerControls, ItemsAndBulletsLandAtTheirScreenPositions)
{
    // View centre (1024, 1024): world (1100, 1050) is screen (476, 326).
    Weapon* pistol = new Pistol();
    pistol->x = 1100;
    pistol->y = 1050;
    game->items.push_back(pistol);
    game->clearScreen();
    game->drawWeapons(1024, 1024);
    EXPECT_EQ(h.pixel(476 + 16, 326 + 16), spriteColour(35));
    EXPECT_EQ(h.pixel(476 + 16 + 30, 326 + 16), BLACK) << "32 x 32, turned about its centre";

    // A bullet whose corner is one pixel left of the screen is not drawn,
    // though most of its 48-pixel image would show; at 0 it is.
    Bullet* b = new Bullet();
    b->x = 623; // screen x -1
    b->y = 1000;
    game->shots.push_back(b);
    game->clearScreen();
    game->drawShots(1024, 1024);
    EXPECT_EQ(h.pixel(20, 300), BLACK);
    b->x = 624;
    game->drawShots(1024, 1024);
    EXPECT_EQ(h.pixel(20, 300), spriteColour(9));
}

TEST_F(PlayerControls, ActorsAreCulledTwentyPixelsLeftOfTheScreen)
{
    game->actors.resize(1); // the player only
    delete bystander;
    Rgb colour = spriteColour(game->player->getSpriteID());
    game->player->x = 624 - 20; // screen x -20 from centre 1024
    game->clearScreen();
    game->drawSpriteLayer(1024, 1024);
    EXPECT_EQ(h.pixel(10, 300), BLACK);
    game->player->x = 624 - 19;
    game->drawSpriteLayer(1024, 1024);
    EXPECT_EQ(h.pixel(10, 300), colour);
}

} // namespace
