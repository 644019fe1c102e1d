// NPCs in a real game: the per-frame update (walking to gunfire, police fire
// and calming, cornered civilians) and the alerts that drive it.
#include <gtest/gtest.h>

#include "GameHarness.h"
#include "world/AIActor.h"
#include "world/Bullet.h"
#include "world/CopActor.h"
#include "world/GameRandom.h"
#include "world/Map.h"
#include "world/Pistol.h"

namespace {

const int WALL = 1;

class NpcBehaviour : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = h.startStory();
        game->world.player->x = 2000;
        game->world.player->y = 2000;
        gameRandom().seed(7);
    }
    // An officer whose pistol is ready to fire.
    CopActor* officer(float x, float y)
    {
        CopActor* cop = h.place<CopActor>(x, y);
        cop->cacheMap(game->theMap.get());
        cop->getGun()->update(1.0f);
        return cop;
    }
    void frame(float delta)
    {
        game->delta = delta;
        game->handleAI();
    }
    GameHarness h{GameHarness::NO_WINDOW};
    CGame* game = nullptr;
};

TEST_F(NpcBehaviour, PlayersGunfireDrawsCiviliansWithinEarshot)
{
    auto heldGun = std::make_unique<Pistol>();
    Pistol* gun = heldGun.get();
    gun->setInClip(gun->getClipSize());
    gun->update(1.0f);
    game->world.player->setGun(std::move(heldGun));
    AIActor* near = h.place<AIActor>(2000, 3000); // exactly 1000 away
    AIActor* far = h.place<AIActor>(2000, 999);

    h.io().mouseButton(SDL_BUTTON_LEFT, true, 400, 300);
    h.play(1);

    ASSERT_EQ(gun->getInClip(), gun->getClipSize() - 1) << "the player fired once";
    EXPECT_EQ(near->getState(), STATE_WALKING);
    EXPECT_EQ(std::make_pair(near->getTargetX(), near->getTargetY()), std::make_pair(2000.0f, 2000.0f));
    EXPECT_LT(near->y, 3000.0f) << "and starts walking in the same frame";
    EXPECT_EQ(far->getState(), STATE_IDLE);
    EXPECT_FLOAT_EQ(far->y, 999);
}

TEST_F(NpcBehaviour, OfficerFiresInsideItsConeAndCalmsAfterASecond)
{
    CopActor* behind = officer(1000, 1500);
    behind->setRotation(180);
    behind->alertHostile(1200, 1500);
    CopActor* cop = officer(1000, 1000);
    cop->changeMood(0, 10); // no grudge against the player: only the anger timer counts
    cop->alertHostile(1200, 1000);
    ASSERT_EQ(cop->getState(), STATE_FIRING);

    frame(0.1f);
    EXPECT_EQ(behind->getGun()->getInClip(), 17) << "target behind the officer";
    ASSERT_EQ(game->world.shots.size(), 1u);
    EXPECT_EQ(game->world.shots[0]->team, 2);
    EXPECT_EQ(cop->getGun()->getInClip(), 16);

    frame(0.15f);
    frame(0.25f);
    frame(0.25f);
    EXPECT_EQ(cop->getState(), STATE_FIRING);
    frame(0.25f);
    EXPECT_EQ(cop->getState(), STATE_CAUTION);
    float x = cop->x;
    frame(0.25f);
    EXPECT_FLOAT_EQ(cop->x, x) << "a cautious officer stands";
}

TEST_F(NpcBehaviour, CorneredScaredCivilianBleedsOnlyWhenWounded)
{
    // Boxed into tile (20, 20): every step of 12.75 pixels hits a wall.
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (dx || dy)
                game->theMap->setTileAt(20 + dx, 20 + dy, WALL);
    AIActor* boxed = h.place<AIActor>(960, 960);
    boxed->alertHostile(900, 900);
    frame(0.05f);
    EXPECT_FLOAT_EQ(boxed->x, 960);
    EXPECT_EQ(boxed->getState(), STATE_SCARED);
    EXPECT_EQ(h.effectsOfGraphic(10, 12), 0) << "unhurt: no blood";

    boxed->setHealthMax(10);
    boxed->setHealth(5);
    for (int i = 0; i < 20; i++)
        frame(0.05f);
    EXPECT_GT(h.effectsOfGraphic(10, 12), 0);
    EXPECT_EQ(h.effectsOfGraphic(10, 12), static_cast<int>(game->world.effects.size()));
    EXPECT_EQ(std::make_pair(boxed->x, boxed->y), std::make_pair(960.0f, 960.0f));
}

TEST_F(NpcBehaviour, ShotAndKillAlertsReachAndMoods)
{
    // A police bullet hits a civilian at (1000, 1000).
    AIActor* victim = h.place<AIActor>(1000, 1000);
    AIActor* witness = h.place<AIActor>(1000, 2000);
    AIActor* beyond = h.place<AIActor>(1000, 2001);
    CopActor* close = officer(1200, 1000);
    CopActor* distant = officer(1500, 1000);
    game->AI_actorShot(1000, 1000, 2, 1);

    EXPECT_EQ(victim->getState(), STATE_SCARED);
    EXPECT_EQ(witness->getState(), STATE_SCARED);
    EXPECT_EQ(witness->getMood(2), -1);
    EXPECT_EQ(beyond->getState(), STATE_IDLE);
    EXPECT_EQ(close->getState(), STATE_FIRING);
    EXPECT_EQ(close->getMood(2), 0) << "no grudge against the own team";
    EXPECT_EQ(distant->getState(), STATE_CAUTION);

    game->AI_actorKilled(1000, 1000, 0, 1);
    EXPECT_EQ(witness->getMood(0), -3) << "a kill costs three mood points";
}

} // namespace
