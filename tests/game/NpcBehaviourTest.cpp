// NPCs in a real game: the per-frame update (walking, fleeing, police fire
// and calming, walls) and the gunfire, shot and kill alerts.
#include <gtest/gtest.h>

#include <cstdlib>

#include "GameHarness.h"
#include "render/Effect.h"
#include "world/AIActor.h"
#include "world/Bullet.h"
#include "world/CopActor.h"
#include "world/Map.h"
#include "world/Pistol.h"

namespace {

const int WALL = 1;

class NpcBehaviour : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeMinimalData();
        game = h.start();
        game->newGame();
        game->player->x = 2000;
        game->player->y = 2000;
        srand(7);
    }
    AIActor* civilian(float x, float y)
    {
        AIActor* npc = new AIActor();
        npc->x = x;
        npc->y = y;
        game->actors.push_back(npc);
        return npc;
    }
    // An officer whose pistol is ready to fire.
    CopActor* officer(float x, float y)
    {
        CopActor* cop = new CopActor();
        cop->x = x;
        cop->y = y;
        cop->cacheMap(game->theMap);
        cop->getGun()->update(1.0f);
        game->actors.push_back(cop);
        return cop;
    }
    void frame(float delta)
    {
        game->delta = delta;
        game->handleAI();
    }
    int effectsOfGraphic(int first, int last)
    {
        int n = 0;
        for (Effect* e : game->effects)
            if (e->getGraphic() >= first && e->getGraphic() <= last)
                n++;
        return n;
    }
    // Walls on the eight tiles around tile (tx, ty).
    void wallIn(int tx, int ty)
    {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if (dx || dy)
                    game->theMap->setTileAt(tx + dx, ty + dy, WALL);
    }
    GameHarness h;
    CGame* game = nullptr;
};

TEST_F(NpcBehaviour, PlayersGunfireDrawsCiviliansWithinEarshot)
{
    Pistol* gun = new Pistol();
    gun->setInClip(gun->getClipSize());
    gun->update(1.0f);
    game->player->setGun(gun);
    AIActor* near = civilian(2000, 2999);
    AIActor* far = civilian(2000, 999);

    // The first frame shows the help screen, which eats every queued event;
    // the button goes down after it.
    h.io().press(SDLK_SPACE);
    h.io().onFrame = [&](int n) {
        if (n == 1)
            h.io().mouseButton(SDL_BUTTON_LEFT, true, 400, 300);
    };
    h.runFrames(2);

    ASSERT_EQ(gun->getInClip(), gun->getClipSize() - 1) << "the player fired once";
    EXPECT_EQ(near->getState(), STATE_WALKING);
    EXPECT_FLOAT_EQ(near->getTargetX(), 2000);
    EXPECT_FLOAT_EQ(near->getTargetY(), 2000);
    EXPECT_LT(near->y, 2999.0f) << "and starts walking in the same frame";
    EXPECT_EQ(far->getState(), STATE_IDLE);
    EXPECT_FLOAT_EQ(far->y, 999);
}

TEST_F(NpcBehaviour, GunfireReachAndFleeingCivilians)
{
    AIActor* scared = civilian(1500, 1500);
    scared->alertHostile(1400, 1400);
    CopActor* pursuer = officer(1500, 1600);
    pursuer->becomeAngry(1700, 1600);
    AIActor* edge = civilian(2000 - 1000, 2000);
    Actor* plain = new Actor();
    plain->x = 1900;
    plain->y = 2000;
    game->actors.push_back(plain);

    game->AI_gunFired(2000, 2000);

    EXPECT_EQ(scared->getState(), STATE_SCARED) << "fleeing NPCs are not redirected";
    EXPECT_FLOAT_EQ(scared->getTargetX(), 1400);
    EXPECT_EQ(pursuer->getState(), STATE_WALKING) << "police in pursuit go and look";
    EXPECT_FLOAT_EQ(pursuer->getTargetX(), 2000);
    EXPECT_EQ(edge->getState(), STATE_WALKING) << "exactly at the attention range";
    frame(0.05f); // a plain actor among the NPCs is left alone
    EXPECT_FLOAT_EQ(plain->x, 1900);
}

TEST_F(NpcBehaviour, WalkerArrivesAndStands)
{
    AIActor* walker = civilian(1000, 1000);
    walker->walkTo(1100, 1000);
    for (int i = 0; i < 20 && walker->getState() == STATE_WALKING; i++)
        frame(0.05f);
    EXPECT_EQ(walker->getState(), STATE_IDLE);
    EXPECT_NEAR(walker->x, 1100, 10.9);
    EXPECT_NEAR(walker->getRotation(), 0, 1e-3) << "faces the way it walked";

    float x = walker->x;
    frame(0.05f);
    EXPECT_FLOAT_EQ(walker->x, x) << "an idle NPC stays put";
}

TEST_F(NpcBehaviour, OfficerFiresInsideItsConeAndCalmsAfterASecond)
{
    CopActor* cop = officer(1000, 1000);
    cop->changeMood(0, 10); // no grudge against the player: only the anger timer counts
    cop->alertHostile(1200, 1000);
    ASSERT_EQ(cop->getState(), STATE_FIRING);

    frame(0.25f);
    ASSERT_EQ(game->shots.size(), 1u);
    EXPECT_EQ(game->shots[0]->team, 2);
    EXPECT_EQ(cop->getGun()->getInClip(), 16) << "the update takes the bullet from the clip";
    EXPECT_EQ(effectsOfGraphic(25, 25), 1) << "one casing";

    frame(0.25f);
    frame(0.25f);
    EXPECT_EQ(cop->getState(), STATE_FIRING);
    frame(0.25f);
    EXPECT_EQ(cop->getState(), STATE_CAUTION);
    float x = cop->x;
    size_t shots = game->shots.size();
    frame(0.25f);
    EXPECT_FLOAT_EQ(cop->x, x) << "a cautious officer stands";
    EXPECT_EQ(game->shots.size(), shots);
}

TEST_F(NpcBehaviour, OfficerFacingAwayFiresOnceTurnedToItsStep)
{
    CopActor* cop = officer(1000, 1000);
    cop->setRotation(180);
    cop->alertHostile(1200, 1000);
    frame(0.1f);
    EXPECT_TRUE(game->shots.empty()) << "target behind the officer";
    frame(0.1f); // the direction timer passes 0.125 s: the officer faces its step
    EXPECT_EQ(game->shots.size(), 1u);

    // A wall between officer and target blocks the sight.
    CopActor* walled = officer(1000, 1500);
    walled->alertHostile(1200, 1500);
    game->theMap->setTileAt(22, 31, WALL);
    frame(0.01f);
    EXPECT_EQ(walled->getGun()->getInClip(), 17);
}

TEST_F(NpcBehaviour, ArrivedOfficerGivesUpOrTurnsOnThePlayer)
{
    // delta 0: nobody moves, so distances are exact.
    CopActor* lost = officer(1000, 1000);
    lost->setRotation(180); // target out of sight: no shooting
    lost->alertHostile(1059, 1000);
    game->player->x = 1000 + 1701;
    game->player->y = 1000;
    frame(0);
    EXPECT_EQ(lost->getState(), STATE_CAUTION) << "player farther than 1700";

    CopActor* notYet = officer(1000, 1000);
    notYet->setRotation(180);
    notYet->alertHostile(1061, 1000);
    frame(0);
    EXPECT_EQ(notYet->getState(), STATE_FIRING) << "61 pixels is not arrived";

    game->actors.erase(game->actors.begin() + 1, game->actors.end());
    delete lost;
    delete notYet;
    game->player->x = 1000;
    game->player->y = 1250;
    CopActor* angry = officer(1000, 1000);
    angry->setRotation(180);
    angry->alertHostile(1059, 1000);
    frame(0);
    EXPECT_EQ(angry->getState(), STATE_FIRING);
    EXPECT_FLOAT_EQ(angry->getTargetY(), 1250) << "mood -10: turns on the player";

    CopActor* calm = officer(1000, 1000);
    calm->changeMood(0, 5); // -5 is not below -5
    calm->setRotation(180);
    calm->alertHostile(1059, 1000);
    frame(0);
    EXPECT_EQ(calm->getState(), STATE_FIRING);
    EXPECT_FLOAT_EQ(calm->getTargetX(), 1059);
}

TEST_F(NpcBehaviour, CorneredScaredCivilianBleedsOnlyWhenWounded)
{
    // Boxed into tile (20, 20): every step of 12.75 pixels hits a wall.
    wallIn(20, 20);
    AIActor* unhurt = civilian(960, 960);
    unhurt->alertHostile(900, 900);
    frame(0.05f);
    EXPECT_FLOAT_EQ(unhurt->x, 960);
    EXPECT_EQ(unhurt->getState(), STATE_SCARED);
    EXPECT_NEAR(unhurt->getTargetX(), 960, 30);
    EXPECT_NEAR(unhurt->getTargetY(), 960, 30) << "flees from a point near itself";
    EXPECT_EQ(effectsOfGraphic(10, 12), 0);

    unhurt->setHealthMax(10);
    unhurt->setHealth(5);
    size_t before = game->effects.size();
    for (int i = 0; i < 20; i++) {
        size_t last = game->effects.size();
        frame(0.05f);
        EXPECT_LE(game->effects.size() - last, 5u);
    }
    EXPECT_GT(game->effects.size(), before);
    EXPECT_EQ(effectsOfGraphic(10, 12), static_cast<int>(game->effects.size()));
    EXPECT_FLOAT_EQ(unhurt->x, 960);
    EXPECT_FLOAT_EQ(unhurt->y, 960);
}

TEST_F(NpcBehaviour, BlockedOrIdleOfficerKeepsItsTimers)
{
    wallIn(20, 20);
    CopActor* stuck = officer(960, 960);
    stuck->alertHostile(1200, 960);
    stuck->getGun()->setInClip(0);
    CopActor* idle = officer(1500, 1500);
    idle->getGun()->setInClip(0);
    for (int i = 0; i < 40; i++)
        frame(0.05f);
    EXPECT_EQ(stuck->getState(), STATE_FIRING) << "no calming while blocked";
    EXPECT_EQ(stuck->getGun()->getInClip(), 0) << "no reload while blocked";
    EXPECT_EQ(idle->getGun()->getInClip(), 0) << "no reload while idle";

    game->theMap->setTileAt(21, 20, 0); // the way is free again
    frame(0.05f);
    EXPECT_EQ(stuck->getGun()->getInClip(), 17);
}

TEST_F(NpcBehaviour, ShotAlertReachAndMoods)
{
    // A police bullet hits a civilian at (1000, 1000).
    AIActor* victim = civilian(1000, 1000);
    AIActor* witness = civilian(1000, 2000);
    AIActor* beyond = civilian(1000, 2001);
    CopActor* close = officer(1200, 1000);
    CopActor* distant = officer(1500, 1000);
    game->AI_actorShot(1000, 1000, 2, 1);

    EXPECT_EQ(victim->getState(), STATE_SCARED);
    EXPECT_FLOAT_EQ(victim->getTargetX(), 1000) << "the victim flees from its own spot";
    EXPECT_EQ(witness->getState(), STATE_SCARED);
    EXPECT_EQ(witness->getMood(2), -1);
    EXPECT_EQ(witness->getMood(0), 0);
    EXPECT_EQ(beyond->getState(), STATE_IDLE);
    EXPECT_EQ(beyond->getMood(2), 0);
    EXPECT_EQ(close->getState(), STATE_FIRING);
    EXPECT_FLOAT_EQ(close->getTargetX(), 1000);
    EXPECT_EQ(close->getMood(2), 0) << "no grudge against the own team";
    EXPECT_EQ(distant->getState(), STATE_CAUTION);
    EXPECT_TRUE(game->shots.empty());
}

TEST_F(NpcBehaviour, KillAlertCostsThreeMoodPoints)
{
    AIActor* witness = civilian(1000, 1000);
    game->AI_actorShot(1100, 1000, 0, 1);
    EXPECT_EQ(witness->getMood(0), -1) << "one shot of the player's side ends the talking";
    game->AI_actorKilled(1100, 1000, 0, 1);
    EXPECT_EQ(witness->getMood(0), -4);
    EXPECT_EQ(witness->getState(), STATE_SCARED);

    AIActor* far = civilian(1100 + 1001, 1000);
    game->AI_actorKilled(1100, 1000, 0, 1);
    EXPECT_EQ(far->getMood(0), 0);
    EXPECT_EQ(far->getState(), STATE_IDLE);
}

} // namespace
