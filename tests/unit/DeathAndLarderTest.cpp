// Killing, corpses and larders in a running game: the score and combo, the
// dropped gun, bleeding, the sight of a dragged corpse, storing corpses.
#include <gtest/gtest.h>

#include <cmath>

#include "GameHarness.h"
#include "world/Effect.h"
#include "world/AIActor.h"
#include "world/CopActor.h"
#include "world/Corpse.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/Pistol.h"

namespace {

class DeathAndLarder : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = h.startStory();
        game->world.player->x = 1000;
        game->world.player->y = 1000;
        game->world.player->setHealthMax(150);
        game->world.player->setHealth(50);
    }
    void drawCentredOnPlayer()
    {
        game->drawSpriteLayer((int)game->world.player->x + 24, (int)game->world.player->y + 24);
    }
    GameHarness h{GameHarness::NO_WINDOW};
    CGame* game = nullptr;
};

TEST_F(DeathAndLarder, PlayersKillScoresAndDropsTheGunAPoliceKillDoesNot)
{
    CopActor* cop = h.place<CopActor>(500, 600);
    cop->setRotation(70);
    Weapon* pistol = cop->getGun();
    AIActor* civilian = h.place<AIActor>(1500, 600);
    AIActor* witness = h.place<AIActor>(1700, 600);
    game->play.survival.active = true;

    game->killActor(cop, game->world.player->team);
    EXPECT_EQ(game->play.combo.number, 1);
    EXPECT_EQ(game->play.survival.score, 1);
    ASSERT_EQ(game->world.items.size(), 1u);
    EXPECT_EQ(game->world.items[0], pistol);
    EXPECT_EQ(std::make_pair(pistol->x, pistol->y), std::make_pair(508.0f, 552.0f))
        << "beside the body, on the side he faced";
    ASSERT_EQ(game->world.corpses.size(), 1u);
    EXPECT_FLOAT_EQ(game->world.corpses[0]->x, 500);
    EXPECT_DOUBLE_EQ(game->world.corpses[0]->getRotation(), 70);
    EXPECT_EQ(game->world.corpses[0]->getSpriteID(), 33);

    game->killActor(civilian, 2);
    EXPECT_EQ(game->play.combo.number, 1);
    EXPECT_EQ(game->play.survival.score, 1);
    EXPECT_EQ(game->world.items.size(), 1u);
    ASSERT_EQ(game->world.corpses.size(), 2u);
    EXPECT_EQ(game->world.corpses[1]->getSpriteID(), 17);
    EXPECT_EQ(witness->getState(), STATE_SCARED) << "the killing alarms those around";
}

TEST_F(DeathAndLarder, SpaceOnAFallenOfficerTakesTheBodyAndHisGunLiesWithinReach)
{
    for (bool armed : {true, false}) {
        SCOPED_TRACE(armed ? "armed" : "unarmed");
        game->world.player->setGun(armed ? std::unique_ptr<Weapon>(std::make_unique<Pistol>()) : nullptr);
        Weapon* own = game->world.player->getGun();
        CopActor* cop = h.place<CopActor>(1200, 1000);
        cop->setRotation(0); // facing +x, where a wall stands: the gun falls on another side
        game->theMap->setTileAt(26, 20, 1);
        Weapon* dropped = cop->getGun();
        game->killActor(cop, game->world.player->team);
        EXPECT_FALSE(game->playerCollision(dropped->x, dropped->y)) << "on open floor";
        EXPECT_LE(std::hypot(dropped->x + 16 - 1224, dropped->y + 16 - 1024), 80.0) << "a step away";

        game->world.player->x = 1200;
        game->world.player->y = 1000;
        h.io().press(SDLK_SPACE);
        h.play(1);
        ASSERT_TRUE(game->play.bIsLuggingCorpse) << "the body, not the gun";
        EXPECT_EQ(game->world.player->getGun(), own);

        game->world.player->x = dropped->x; // a step onto the gun, the body in tow
        game->world.player->y = dropped->y;
        h.io().press(SDLK_SPACE);
        h.play(1);
        EXPECT_EQ(game->world.player->getGun(), dropped);
        EXPECT_TRUE(game->play.bIsLuggingCorpse);

        game->world.player->setGun(nullptr);
        game->world.items.clear();
        game->world.luggedCorpse.reset();
        game->play.bIsLuggingCorpse = false;
    }

    // A body against a wall, where a player fits only 24 px above it, facing
    // up: the gun falls clear of that spot too.
    game->theMap->setTileAt(25, 21, 1);
    CopActor* cop = h.place<CopActor>(1200, 990);
    cop->setRotation(90);
    game->killActor(cop, game->world.player->team);
    game->world.player->setGun(std::make_unique<Pistol>());
    game->world.player->x = 1200;
    game->world.player->y = 966;
    h.io().press(SDLK_SPACE);
    h.play(1);
    EXPECT_TRUE(game->play.bIsLuggingCorpse);

    // A gun that lies on a body all the same: the armed player's SPACE takes
    // the body, and the prompt says so; unarmed, the gun comes first.
    Weapon* onBody = game->world.items.put(std::make_unique<Pistol>());
    onBody->x = game->world.player->x;
    onBody->y = game->world.player->y;
    for (bool armed : {true, false}) {
        Corpse* body = game->world.corpses.put(std::move(game->world.luggedCorpse)); // put down underfoot
        body->setActive(true);
        body->x = game->world.player->x;
        body->y = game->world.player->y;
        game->play.bIsLuggingCorpse = false;
        if (!armed)
            game->world.player->takeGun();
        game->detectOverCorpse(game->world.player->x, game->world.player->y);
        game->detectOverWeapon(game->world.player->x, game->world.player->y);
        EXPECT_EQ(game->useTakesCorpse(), armed);
        h.io().press(SDLK_SPACE);
        h.play(1);
        EXPECT_EQ(game->play.bIsLuggingCorpse, armed);
        EXPECT_EQ(game->world.player->getGun() == onBody, !armed);
    }
}

TEST_F(DeathAndLarder, TenthKillOfAChainAndEveryLaterOneHeals)
{
    for (int i = 0; i < 11; i++)
        h.place<AIActor>(100.0f + 60 * i, 3500);
    for (int i = 0; i < 9; i++)
        game->killActor(game->world.actors[2], 0);
    EXPECT_EQ(game->world.player->getHealth(), 50);
    game->killActor(game->world.actors[2], 0);
    EXPECT_EQ(game->play.combo.number, 10);
    EXPECT_EQ(game->world.player->getHealth(), 60);
    game->world.player->setHealth(145);
    game->killActor(game->world.actors[2], 0);
    EXPECT_EQ(game->world.player->getHealth(), 150) << "healing stops at the maximum";
}

TEST_F(DeathAndLarder, LarderTakesTheCorpseWithinSquaredDistance17000)
{
    h.addLarder(2000, 2000);
    Larder* larder = h.addLarder(1000, 1000); // centre (1064, 1064)
    h.dragCorpse();

    game->larderDrop(1064 - 120 + 0.9f, 1064 - 51); // 120² + 51² = 17001
    EXPECT_TRUE(game->play.bIsLuggingCorpse);
    EXPECT_EQ(larder->numFrozen(), 0);

    game->larderDrop(1064 + 130.5f, 1064 + 10); // 130² + 10² = 17000
    EXPECT_FALSE(game->play.bIsLuggingCorpse);
    EXPECT_EQ(game->world.luggedCorpse, nullptr);
    EXPECT_EQ(larder->numFrozen(), 1);
    EXPECT_EQ(game->play.inLarder, 1);
    EXPECT_EQ(h.effectsOfGraphic(40, 40), 1) << "the stored marker rises";
    EXPECT_EQ(game->world.effects.size(), 1u);
}

TEST_F(DeathAndLarder, OnlyNpcsWithALineOfSightReactToTheDragging)
{
    // A wall across row 23 between the player (row 27) and the civilian
    // above it (row 20); another civilian and an officer stand in the open.
    for (int col = 15; col < 26; col++)
        game->theMap->setTileAt(col, 23, 1);
    game->world.player->x = 1000;
    game->world.player->y = 1300;
    AIActor* behindWall = h.place<AIActor>(1000, 1000);
    AIActor* inOpen = h.place<AIActor>(1300, 1300);
    inOpen->setRotation(0); // facing away from the player
    CopActor* cop = h.place<CopActor>(1200, 1350);

    game->checkCorpseViewers(1000, 1300, false);
    EXPECT_EQ(inOpen->getState(), STATE_IDLE) << "nothing to see without a dragged corpse";

    h.dragCorpse();
    game->checkCorpseViewers(1000, 1300, false);
    EXPECT_EQ(behindWall->getState(), STATE_IDLE);
    EXPECT_EQ(inOpen->getState(), STATE_SCARED);
    EXPECT_EQ(std::make_pair(inOpen->getTargetX(), inOpen->getTargetY()), std::make_pair(1000.0f, 1300.0f));
    EXPECT_EQ(cop->getState(), STATE_FIRING);
}

TEST_F(DeathAndLarder, CorpsesBleedOnScreenAndStopOffScreen)
{
    Corpse* near = game->world.corpses.put(std::make_unique<Corpse>());
    near->x = 1100;
    near->y = 1000;
    Corpse* far = game->world.corpses.put(std::make_unique<Corpse>());
    far->x = 1000 + 500; // screen x 400 - 24 + 500 = 876, beyond the window
    far->y = 1000;

    // The first pass finds which corpses are on screen; a corpse bleeds from
    // the next pass on, as long as it stays there.
    game->delta = 0;
    drawCentredOnPlayer();
    EXPECT_EQ(h.effectsOfGraphic(10, 12), 0);
    game->delta = 0.7f;
    drawCentredOnPlayer();
    ASSERT_EQ(h.effectsOfGraphic(10, 12), 5) << "only the corpse on screen bleeds";
    for (Effect* e : game->world.effects) {
        EXPECT_GE(e->getX(), 1100 + 32 - 25);
        EXPECT_LE(e->getX(), 1100 + 32 + 24);
    }
    game->delta = 0.3f;
    drawCentredOnPlayer();
    EXPECT_EQ(h.effectsOfGraphic(10, 12), 5) << "five splashes every 0.65 seconds";
}

TEST(DeathAndHospital, PlayerKilledWhileDraggingLeavesCorpseAndGunAndWakesAtAHospital)
{
    GameHarness h{GameHarness::NO_WINDOW};
    CGame* game = h.startStory("hospitalspawn 600 100 0\nhospitalspawn 900 100 0\njailspawn 50 50 0\n");
    auto heldGun = std::make_unique<Pistol>();
    Pistol* gun = heldGun.get();
    game->world.player->setGun(std::move(heldGun));
    game->world.player->x = 700;
    game->world.player->y = 800;
    game->world.player->setRotation(45);
    h.dragCorpse();
    Corpse* body = game->world.luggedCorpse.get();
    game->world.player->setHealth(0);

    h.play(1);

    EXPECT_FALSE(game->play.bIsLuggingCorpse);
    EXPECT_EQ(game->world.luggedCorpse, nullptr);
    ASSERT_EQ(game->world.corpses.size(), 1u);
    EXPECT_EQ(game->world.corpses[0], body);
    EXPECT_EQ(std::make_pair(body->x, body->y), std::make_pair(700.0f, 800.0f));
    ASSERT_EQ(game->world.items.size(), 1u);
    EXPECT_EQ(game->world.items[0], gun);
    EXPECT_FLOAT_EQ(gun->x, 700);
    EXPECT_EQ(game->world.player->getGun(), nullptr);
    float x = game->world.player->x;
    EXPECT_TRUE(x == 600.0f || x == 900.0f) << x;
    EXPECT_FLOAT_EQ(game->world.player->y, 100.0f);
    EXPECT_EQ(game->world.player->getHealth(), 10);
    EXPECT_EQ(game->play.talkingConversation, "You have been revived at a local hospital.");
}

} // namespace
