// The player's controls and the bullets in a running play loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Captured.h"
#include "GameHarness.h"
#include "world/Bullet.h"
#include "world/Larder.h"
#include "world/HealthPill.h"
#include "world/Map.h"
#include "world/Pistol.h"
#include "world/Revolver.h"
#include "world/Shotgun.h"

namespace {

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
        game = h.startStory();
        game->world.player->x = 1000;
        game->world.player->y = 1000;
    }
    Weapon* arm(std::unique_ptr<Weapon> gun)
    {
        Weapon* held = gun.get();
        game->world.player->setGun(std::move(gun));
        return held;
    }
    GameHarness h{GameHarness::NO_WINDOW};
    CGame* game = nullptr;
};

TEST_F(PlayerControls, DiagonalWalkIntoAWallSlidesAlongIt)
{
    for (int row = 0; row < Map::SIZE; row++)
        game->theMap->setTileAt(10, row, 1); // a wall from x 480
    game->world.player->x = 430;
    h.io().frameMs = 20; // 5.5 pixels a frame at the default speed
    h.io().hold(SDLK_RIGHT, true);
    h.io().hold(SDLK_s, true);
    h.play(10);
    EXPECT_FLOAT_EQ(game->world.player->x, 435.5f) << "one step, then the wall";
    EXPECT_NEAR(game->world.player->y, 1055.0f, 0.01f) << "the free axis keeps its full speed";
}

TEST_F(PlayerControls, HeldButtonFiresAtTheRefreshRateThenClicksDry)
{
    Weapon* pistol = arm(std::make_unique<Pistol>());
    pistol->setInClip(3);
    pistol->setReserve(0);
    std::vector<int> clip;
    h.io().onFrame = [&](int) { clip.push_back(pistol->getInClip()); };
    h.io().frameMs = 100;
    h.io().mouseMotion(600, 300); // aim to the right
    h.io().mouseButton(SDL_BUTTON_LEFT, true, 600, 300);
    std::string out = capturedStdout([&] { h.play(20); });

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
}

TEST_F(PlayerControls, ShotgunPullPutsEightPelletsInTheAirForOneRound)
{
    Weapon* shotgun = arm(std::make_unique<Shotgun>());
    shotgun->update(1.0f); // past its refresh time
    h.io().mouseMotion(400, 100); // aim straight up
    h.io().mouseButton(SDL_BUTTON_LEFT, true, 400, 100);
    h.play(2);

    EXPECT_EQ(shotgun->getInClip(), 7);
    ASSERT_EQ(game->world.shots.size(), 8u);
    for (Bullet* b : game->world.shots) {
        EXPECT_EQ(b->team, 0);
        EXPECT_GE(b->heading, 80.0);
        EXPECT_LT(b->heading, 100.0);
    }
}

TEST_F(PlayerControls, RKeyReloadsFromTheReserve)
{
    Weapon* pistol = arm(std::make_unique<Pistol>());
    pistol->setInClip(5);
    pistol->setReserve(100);
    h.io().press(SDLK_r);
    h.play(1);
    EXPECT_EQ(std::make_pair(pistol->getInClip(), pistol->getReserve()), std::make_pair(17, 88));
}

TEST_F(PlayerControls, SpaceSwapsTheHeldGunForTheOneUnderfootOrTakesAHealthPack)
{
    Weapon* shotgun = arm(std::make_unique<Shotgun>());
    Weapon* pistol = game->world.items.put(std::make_unique<Pistol>());
    pistol->x = 1010;
    pistol->y = 1020;
    h.io().press(SDLK_SPACE);
    h.play(1);
    EXPECT_EQ(game->world.player->getGun(), pistol);
    ASSERT_EQ(game->world.items.size(), 1u);
    EXPECT_EQ(game->world.items[0], shotgun);
    EXPECT_EQ(std::make_pair(shotgun->x, shotgun->y), std::make_pair(game->world.player->x, game->world.player->y));

    game->world.items.clear(); // the shotgun goes
    game->world.player->setHealth(10);
    Weapon* pack = game->world.items.put(std::make_unique<HealthPill>());
    pack->x = 1000;
    pack->y = 1000;
    h.io().press(SDLK_SPACE);
    h.play(1);
    EXPECT_EQ(game->world.player->getHealth(), 150);
    EXPECT_TRUE(game->world.items.empty());
    EXPECT_EQ(game->world.player->getGun(), pistol);
}

TEST_F(PlayerControls, BulletHurtsAnotherTeamAndPassesItsOwn)
{
    h.bystander->setHealthMax(100);
    h.bystander->setHealth(100);
    for (int team : {1, 0}) { // the bystander's own team, then the player's
        Bullet* b = game->world.shots.put(std::make_unique<Bullet>());
        b->x = 2990;
        b->y = 3010;
        b->team = team;
        b->damage = 30;
        b->range = 700;
        b->speed = 450;
        b->heading = 0; // toward +x
    }
    h.play(1);
    EXPECT_EQ(h.bystander->getHealth(), 70);
    ASSERT_EQ(game->world.shots.size(), 1u);
    EXPECT_EQ(game->world.shots[0]->team, 1) << "a bullet never hits its own team";
}

TEST_F(PlayerControls, AShotThatVisiblyPassesATableCornerReachesItsTarget)
{
    // The bullet is seen at the middle of its 48-pixel picture, 24 px right of
    // and below its corner: fired level from y 3008, it flies at y 3032, past
    // a table whose bottom edge is y 3024.
    game->theMap->setTileAt(60, 62, 1);
    arm(std::make_unique<Revolver>())->update(1.0f); // no spread; past its refresh time
    game->world.player->x = 2800;
    game->world.player->y = 3008;
    h.bystander->y = 3008;
    h.bystander->setHealthMax(5000);
    h.bystander->setHealth(5000);
    h.io().mouseMotion(600, 300); // aim to the right
    h.io().mouseButton(SDL_BUTTON_LEFT, true, 600, 300);
    h.io().mouseButton(SDL_BUTTON_LEFT, false, 600, 300);
    h.play(40);
    EXPECT_LT(h.bystander->getHealth(), 5000);
}

TEST_F(PlayerControls, AQuickClickFiresOnceIfTheGunIsReadyWhenItLandsOrNextFrameAndTheWheelNever)
{
    // Frames of 0.1 s; a pistol (0.35 s refresh) armed `before` frames ahead
    // of the click can fire from frame 4 - before of the click's game on.
    h.io().frameMs = 100;
    auto shotsOfAClick = [&](int before, int button) {
        Weapon* pistol = arm(std::make_unique<Pistol>());
        h.play(before);
        h.io().mouseButton(button, true, 600, 300); // pressed and released
        h.io().mouseButton(button, false, 600, 300); // within one frame
        h.play(10);
        int shots = pistol->getClipSize() - pistol->getInClip();
        game->world.player->setGun(nullptr);
        return shots;
    };
    EXPECT_EQ(shotsOfAClick(2, SDL_BUTTON_LEFT), 0) << "not ready then nor next frame: dropped";
    EXPECT_EQ(shotsOfAClick(3, SDL_BUTTON_LEFT), 1) << "ready in the next frame";
    EXPECT_EQ(shotsOfAClick(6, SDL_BUTTON_LEFT), 1) << "ready: one shot, not none and not more";
    EXPECT_EQ(shotsOfAClick(6, SDL_BUTTON_WHEELUP), 0) << "the wheel is not a trigger";
    EXPECT_EQ(shotsOfAClick(6, SDL_BUTTON_WHEELDOWN), 0);
}

TEST_F(PlayerControls, PromptsDescribeWhatIsUnderfootNowAndResetClearsThem)
{
    Weapon* pistol = game->world.items.put(std::make_unique<Pistol>());
    pistol->x = 1000;
    pistol->y = 1000;
    game->detectOverWeapon(1000, 1000);
    ASSERT_TRUE(game->play.bIsOverWeapon);
    h.io().press(SDLK_SPACE);
    h.play(1);
    EXPECT_EQ(game->world.player->getGun(), pistol);
    EXPECT_FALSE(game->play.bIsOverWeapon) << "nothing is left underfoot";

    game->play.bIsOverWeapon = game->play.bIsOverPowerup = game->play.bIsOverCorpse = true;
    game->newSurvival();
    EXPECT_FALSE(game->play.bIsOverWeapon || game->play.bIsOverPowerup || game->play.bIsOverCorpse);
}

TEST_F(PlayerControls, LarderReachIsMeasuredFromTheBodysCentre)
{
    // Walking down-right into a larder from above-left: the corner of the body
    // is 114 px off on each axis (25992 squared), its centre 90 (16200).
    Larder* larder = h.addLarder(1000, 1000);
    h.dragCorpse();
    game->world.player->x = 950;
    game->world.player->y = 945;
    h.io().frameMs = 20;
    h.io().hold(SDLK_DOWN, true);
    h.play(2);
    h.io().hold(SDLK_DOWN, false);
    EXPECT_EQ(larder->numFrozen(), 1);
    EXPECT_FALSE(game->play.bIsLuggingCorpse);
}

} // namespace
