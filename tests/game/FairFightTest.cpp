// The town's officers come one at a time: a shot fired near any of them
// sends that officer, and no other, walking to where the player fired.
#include <gtest/gtest.h>

#include <vector>

#include "GameHarness.h"
#include "world/CopActor.h"
#include "world/Pistol.h"

TEST(FairFight, EachOfficerAloneWalksToTheGunfire)
{
    GameHarness h;
    h.linkShippedData();
    CGame* game = h.start();
    game->newGame();
    std::vector<CopActor*> officers;
    for (Actor* a : game->world.actors)
        if (CopActor* cop = dynamic_cast<CopActor*>(a))
            officers.push_back(cop);
    ASSERT_EQ(officers.size(), 6u);

    game->world.player->setGun(std::make_unique<Pistol>());
    game->world.player->getGun()->setReserve(1000);
    h.io().frameMs = 20;
    for (CopActor* cop : officers) {
        for (CopActor* other : officers)
            other->setState(STATE_IDLE);
        // Stand a few tiles from the officer, on open floor, and fire away
        // from him (the bullet must not hit anyone and start other alerts).
        float px = cop->x, py = cop->y;
        for (float d : {200.0f, -200.0f}) {
            if (!game->playerCollision(cop->x + d, cop->y)) {
                px = cop->x + d;
                break;
            }
            if (!game->playerCollision(cop->x, cop->y + d)) {
                px = cop->x;
                py = cop->y + d;
                break;
            }
        }
        game->world.player->x = px;
        game->world.player->y = py;
        game->world.player->getGun()->update(1.0f);
        int awayX = px > cop->x ? 790 : 10;
        h.io().mouseMotion(awayX, 300);
        h.io().mouseButton(SDL_BUTTON_LEFT, true, awayX, 300);
        h.io().mouseButton(SDL_BUTTON_LEFT, false, awayX, 300);
        h.play(1);

        EXPECT_EQ(cop->getState(), STATE_WALKING) << "officer at " << cop->x << "," << cop->y;
        EXPECT_FLOAT_EQ(cop->getTargetX(), px);
        EXPECT_FLOAT_EQ(cop->getTargetY(), py);
        for (CopActor* other : officers) {
            if (other == cop)
                continue;
            EXPECT_EQ(other->getState(), STATE_IDLE)
                << "the officer at " << other->x << "," << other->y << " heard the shot near "
                << cop->x << "," << cop->y;
        }
    }
}
