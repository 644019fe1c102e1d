// Killing, corpses and larders in a running game: the combo, dropped guns,
// bleeding, the sight of a dragged corpse, storing corpses, the effect layer.
#include <gtest/gtest.h>

#include "GameHarness.h"
#include "render/Effect.h"
#include "world/AIActor.h"
#include "world/Actor.h"
#include "world/CopActor.h"
#include "world/Corpse.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/Pistol.h"
#include "world/Weapon.h"

namespace {

class DeathAndLarder : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeMinimalData();
        game = h.start();
        game->newGame();
        game->player->x = 1000;
        game->player->y = 1000;
        game->player->setHealthMax(150);
        game->player->setHealth(50);
    }
    template <typename T> T* add(float x, float y)
    {
        T* a = new T();
        a->x = x;
        a->y = y;
        game->actors.push_back(a);
        return a;
    }
    Larder* addLarder(float x, float y)
    {
        Larder* l = new Larder();
        l->setX(x);
        l->setY(y);
        game->larders.push_back(l);
        return l;
    }
    void drag()
    {
        game->luggedCorpse = new Corpse();
        game->bIsLuggingCorpse = true;
    }
    // Number of blood splashes lying in the effect list.
    int blood()
    {
        int n = 0;
        for (Effect* e : game->effects)
            n += e->getGraphic() >= 10 && e->getGraphic() <= 12;
        return n;
    }
    void drawCentredOnPlayer()
    {
        game->drawSpriteLayer((int)game->player->x + 24, (int)game->player->y + 24);
    }
    GameHarness h;
    CGame* game = nullptr;
};

TEST_F(DeathAndLarder, PlayersKillScoresAndDropsTheLoadedGun)
{
    CopActor* cop = add<CopActor>(500, 600);
    cop->setRotation(70);
    Weapon* pistol = cop->getGun();
    int loaded = pistol->getInClip();
    game->survival.active = true;

    game->killActor(cop, game->player->team);

    EXPECT_EQ(game->combo.number, 1);
    EXPECT_FLOAT_EQ(game->combo.timer, 15.0f);
    EXPECT_EQ(game->survival.score, 1);
    ASSERT_EQ(game->actors.size(), 1u);
    ASSERT_EQ(game->items.size(), 1u);
    EXPECT_EQ(game->items[0], pistol);
    EXPECT_FLOAT_EQ(pistol->x, 500);
    EXPECT_FLOAT_EQ(pistol->y, 600);
    EXPECT_EQ(pistol->getInClip(), loaded);
    ASSERT_EQ(game->corpses.size(), 1u);
    Corpse* body = game->corpses[0];
    EXPECT_FLOAT_EQ(body->x, 500);
    EXPECT_FLOAT_EQ(body->y, 600);
    EXPECT_DOUBLE_EQ(body->getRotation(), 70);
    EXPECT_EQ(body->getSpriteID(), 33);
}

TEST_F(DeathAndLarder, PoliceKillOfAnUnarmedCivilianScoresNothing)
{
    add<AIActor>(500, 600);
    AIActor* witness = add<AIActor>(700, 600);
    game->survival.active = true;

    game->killActor(game->actors[1], 2);

    EXPECT_EQ(game->combo.number, 0);
    EXPECT_EQ(game->survival.score, 0);
    EXPECT_TRUE(game->items.empty());
    ASSERT_EQ(game->corpses.size(), 1u);
    EXPECT_EQ(game->corpses[0]->getSpriteID(), 17);
    EXPECT_EQ(witness->getState(), STATE_SCARED) << "the killing alarms those around";

    game->killActor(game->player, 2);
    EXPECT_EQ(game->actors.size(), 2u) << "the player's death is not a kill";
}

TEST_F(DeathAndLarder, TenthKillOfAChainAndEveryLaterOneHeals)
{
    for (int i = 0; i < 11; i++)
        add<AIActor>(100.0f + 60 * i, 3000);
    for (int i = 0; i < 9; i++)
        game->killActor(game->actors[1], 0);
    EXPECT_EQ(game->player->getHealth(), 50);
    game->killActor(game->actors[1], 0);
    EXPECT_EQ(game->combo.number, 10);
    EXPECT_EQ(game->player->getHealth(), 60);
    game->player->setHealth(145);
    game->killActor(game->actors[1], 0);
    EXPECT_EQ(game->player->getHealth(), 150) << "healing stops at the maximum";
}

TEST_F(DeathAndLarder, LarderTakesTheCorpseWithinSquaredDistance17000)
{
    addLarder(2000, 2000);
    Larder* larder = addLarder(1000, 1000); // centre (1064, 1064)
    drag();

    game->larderDrop(1064 - 120 + 0.9f, 1064 - 51); // 120² + 51² = 17001
    EXPECT_TRUE(game->bIsLuggingCorpse);
    EXPECT_EQ(larder->numFrozen(), 0);

    game->larderDrop(1064 + 130.5f, 1064 + 10); // 130² + 10² = 17000
    EXPECT_FALSE(game->bIsLuggingCorpse);
    EXPECT_EQ(game->luggedCorpse, nullptr);
    EXPECT_EQ(larder->numFrozen(), 1);
    EXPECT_EQ(game->inLarder, 1);
    ASSERT_EQ(game->effects.size(), 1u);
    Effect* marker = game->effects[0];
    EXPECT_EQ(marker->getGraphic(), 40);
    EXPECT_FLOAT_EQ(marker->getX(), 1032);
    EXPECT_FLOAT_EQ(marker->getY(), 1000);
    EXPECT_FLOAT_EQ(marker->getSpeedY(), -70);
    EXPECT_EQ(marker->getWidth(), 64);
    EXPECT_EQ(marker->getHeight(), 64);
}

TEST_F(DeathAndLarder, OfTwoLardersInReachTheEarlierOneTakesTheCorpse)
{
    Larder* first = addLarder(1100, 1000);
    Larder* second = addLarder(1000, 1000);
    drag();
    game->larderDrop(1064, 1064);
    EXPECT_EQ(first->numFrozen(), 1);
    EXPECT_EQ(second->numFrozen(), 0);

    game->delta = 0.25f;
    game->drawLarders(1024, 1024);
    EXPECT_EQ(first->getFrame(), 38) << "the drawing pass runs the storing animation";
}

TEST_F(DeathAndLarder, OnlyNpcsWithALineOfSightReactToTheDragging)
{
    // A wall across row 23 between the player (row 27) and the civilian
    // above it (row 20); another civilian and an officer stand in the open.
    for (int col = 15; col < 26; col++)
        game->theMap->setTileAt(col, 23, 1);
    game->player->x = 1000;
    game->player->y = 1300;
    AIActor* behindWall = add<AIActor>(1000, 1000);
    AIActor* inOpen = add<AIActor>(1300, 1300);
    inOpen->setRotation(0); // facing away from the player
    CopActor* cop = add<CopActor>(1200, 1350);

    game->checkCorpseViewers(1000, 1300, false);
    EXPECT_EQ(inOpen->getState(), STATE_IDLE) << "nothing to see without a dragged corpse";

    drag();
    game->checkCorpseViewers(1000, 1300, false);
    EXPECT_EQ(behindWall->getState(), STATE_IDLE);
    EXPECT_EQ(inOpen->getState(), STATE_SCARED);
    EXPECT_FLOAT_EQ(inOpen->getTargetX(), 1000);
    EXPECT_FLOAT_EQ(inOpen->getTargetY(), 1300);
    EXPECT_EQ(cop->getState(), STATE_FIRING);

    inOpen->setAttentionRange(100);
    inOpen->setState(STATE_IDLE);
    game->checkCorpseViewers(1000, 1300, true);
    EXPECT_EQ(inOpen->getState(), STATE_IDLE) << "out of its attention range";
    EXPECT_EQ(behindWall->getState(), STATE_SCARED) << "made angry unseen";
}

TEST_F(DeathAndLarder, CorpsesBleedOnScreenAndStopOffScreen)
{
    Corpse* near = new Corpse();
    near->x = 1100;
    near->y = 1000;
    Corpse* far = new Corpse();
    far->x = 1000 + 500; // screen x 400 - 24 + 500 = 876, beyond the window
    far->y = 1000;
    game->corpses = {near, far};

    // The first pass finds which corpses are on screen; a corpse bleeds from
    // the next pass on, as long as it stays there.
    game->delta = 0;
    drawCentredOnPlayer();
    EXPECT_TRUE(near->isActive());
    EXPECT_FALSE(far->isActive());
    EXPECT_EQ(blood(), 0);

    game->delta = 0.7f;
    drawCentredOnPlayer();
    ASSERT_EQ(blood(), 5) << "only the corpse on screen bleeds";
    for (Effect* e : game->effects) {
        EXPECT_GE(e->getX(), 1100 + 32 - 25);
        EXPECT_LE(e->getX(), 1100 + 32 + 24);
        EXPECT_DOUBLE_EQ(e->getRotation(), 0);
        EXPECT_EQ(e->getWidth(), 16);
    }
    game->delta = 0.3f;
    drawCentredOnPlayer();
    EXPECT_EQ(blood(), 5) << "five splashes every 0.65 seconds";

    game->detectOverCorpse(far->x, far->y);
    EXPECT_FALSE(game->bIsOverCorpse) << "an off-screen corpse cannot be picked up";
    EXPECT_EQ(game->getCorpseAt(far->x + 10, far->y), far);
    game->detectOverCorpse(near->x + 40, near->y);
    EXPECT_TRUE(game->bIsOverCorpse);
}

TEST_F(DeathAndLarder, InSurvivalOnlyTheDraggedCorpseBleeds)
{
    Corpse* lying = new Corpse();
    lying->x = 1100;
    lying->y = 1000;
    game->corpses.push_back(lying);
    drag();
    game->survival.active = true;

    game->delta = 0.7f;
    drawCentredOnPlayer();
    ASSERT_EQ(blood(), 5);
    for (Effect* e : game->effects) {
        EXPECT_GE(e->getX(), 1000 + 32 - 25) << "centred on the player";
        EXPECT_LE(e->getX(), 1000 + 32 + 24);
    }
}

TEST_F(DeathAndLarder, DraggedCorpseIsDrawnAheadOfThePlayer)
{
    drag();
    game->luggedCorpse->setActive(false);
    game->clearScreen();
    drawCentredOnPlayer();
    // Player corner on screen (376, 276); the corpse's 64-pixel box starts
    // 35 pixels ahead along heading 0, at (411, 276).
    EXPECT_EQ(h.pixel(470, 335), spriteColour(17));
    EXPECT_FALSE(h.pixel(480, 335) == spriteColour(17));
    EXPECT_TRUE(game->luggedCorpse->isActive());
}

TEST_F(DeathAndLarder, PlayerKilledWhileDraggingLeavesCorpseAndGun)
{
    Actor* bystander = add<Actor>(3000, 3000);
    (void)bystander;
    Pistol* gun = new Pistol();
    game->player->setGun(gun);
    game->player->x = 700;
    game->player->y = 800;
    game->player->setRotation(45);
    drag();
    Corpse* body = game->luggedCorpse;
    game->player->setHealth(0);

    h.runFrames(1);

    EXPECT_FALSE(game->bIsLuggingCorpse);
    EXPECT_EQ(game->luggedCorpse, nullptr);
    ASSERT_EQ(game->corpses.size(), 1u);
    EXPECT_EQ(game->corpses[0], body);
    EXPECT_FLOAT_EQ(body->x, 700);
    EXPECT_FLOAT_EQ(body->y, 800);
    EXPECT_DOUBLE_EQ(body->getRotation(), 45);
    ASSERT_EQ(game->items.size(), 1u);
    EXPECT_EQ(game->items[0], gun);
    EXPECT_FLOAT_EQ(gun->x, 700);
    EXPECT_EQ(game->player->getHealth(), 10);
}

TEST_F(DeathAndLarder, EffectsExpireAfterTheirLastFrame)
{
    Effect* old = new Effect(24, 1000, 1000, 0, 0);
    old->update(18.5f);
    Effect* young = new Effect(25, 1000, 1000, 0, 0);
    game->effects = {old, young};

    game->delta = 0.25f; // old reaches exactly 18.75: still shown
    game->drawEffectLayer(1024, 1024);
    ASSERT_EQ(game->effects.size(), 2u);
    game->drawEffectLayer(1024, 1024);
    ASSERT_EQ(game->effects.size(), 1u);
    EXPECT_EQ(game->effects[0], young);
    EXPECT_FLOAT_EQ(young->getTimer(), 0.5f) << "the one after an expiring effect still ages";
}

TEST_F(DeathAndLarder, SpawnersScatterTheirEffects)
{
    game->spawnBlood(0, 100, 100);
    EXPECT_TRUE(game->effects.empty());

    game->spawnBulletHole(30, 100, 200);
    game->spawnBulletCasing(80, 100, 200);
    ASSERT_EQ(game->effects.size(), 2u);
    Effect* hole = game->effects[0];
    EXPECT_EQ(hole->getGraphic(), 24);
    EXPECT_FLOAT_EQ(hole->getX(), 100);
    EXPECT_FLOAT_EQ(hole->getY(), 200);
    EXPECT_DOUBLE_EQ(hole->getRotation(), 30);
    Effect* casing = game->effects[1];
    EXPECT_EQ(casing->getGraphic(), 25);
    EXPECT_DOUBLE_EQ(casing->getRotation(), 80);
    EXPECT_GE(casing->getY(), 200 - 25);
    EXPECT_LE(casing->getY(), 200 + 24);
}

} // namespace
