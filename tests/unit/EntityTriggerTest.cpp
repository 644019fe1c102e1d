// The level's entity file in a running game without a window: area
// messages, talking to characters, and the shipped town as newGame loads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Captured.h"
#include "GameHarness.h"
#include "world/AIActor.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/StaticEntity.h"
#include "world/Weapon.h"

namespace {

TEST(EntityTriggers, WalkingIntoAnAreaMessageShowsIt)
{
    GameHarness h{GameHarness::NO_WINDOW};
    CGame* game = h.startStory("areamessage 100 40 80 Mind  the gap\nareamessage 100 40 500 Never shown\n");
    ASSERT_FLOAT_EQ(game->world.player->x, 40.0f);
    h.play(3);
    EXPECT_FALSE(game->play.bIsTalking) << "standing still inside a zone triggers nothing";

    h.io().hold(SDLK_RIGHT, true);
    h.play(2);
    EXPECT_TRUE(game->play.bIsTalking);
    EXPECT_EQ(game->play.talkingConversation, "Mind the gap ") << "the first zone in file order";
    EXPECT_EQ(game->play.talkingPortrait, 3);
    EXPECT_FLOAT_EQ(game->play.talkTimer, 6.5f) << "full while the player walks inside";

    h.io().hold(SDLK_RIGHT, false);
    h.play(2);
    EXPECT_LT(game->play.talkTimer, 6.5f) << "runs down once the player stops";
}

TEST(EntityTriggers, SpaceNearACivilianShowsItsLine)
{
    GameHarness h{GameHarness::NO_WINDOW};
    CGame* game = h.startStory();
    game->world.player->x = 400;
    game->world.player->y = 400;
    h.place<Actor>(420, 400); // nearer, but no one to talk to
    AIActor* npc = h.place<AIActor>(500, 400);
    npc->setDialogue("Lovely weather.\\Isn't it?");
    npc->setAnimation(0, 3, 1, 45); // its portrait is 1
    npc->setRotation(90);

    h.io().press(SDLK_SPACE);
    h.play(1);
    EXPECT_TRUE(game->play.bIsTalking);
    EXPECT_EQ(game->play.talkingConversation, "Lovely weather.\\Isn't it?");
    EXPECT_EQ(game->play.talkingPortrait, 1);
    EXPECT_NEAR(Actor::angleOutOf360((float)npc->getRotation()), 180.0f, 0.01f)
        << "the civilian turns to face the player";

    // Away from everybody, Space closes the box.
    game->world.player->x = 1500;
    h.io().press(SDLK_SPACE);
    h.play(1);
    EXPECT_FALSE(game->play.bIsTalking);
}

// The shipped town: every character and item from the repository's data,
// each standing where the game lets a body stand.
TEST(EntityTriggers, NewGameLoadsTheTown)
{
    namespace fs = std::filesystem;
    GameHarness h{GameHarness::NO_WINDOW};
    h.writeMinimalData();
    fs::path source = fs::path(LARDER_SOURCE_DIR) / "data";
    fs::copy(source / "actors", "data/actors");
    fs::copy_file(source / "entities.txt", "data/entities.txt", fs::copy_options::overwrite_existing);
    fs::copy_file(source / "map0.dat", "data/map0.dat", fs::copy_options::overwrite_existing);
    CGame* game = h.start();

    EXPECT_EQ(capturedStderr([&] { game->newGame(); }), "File data/actors/18.def is missing, can't load def\n");

    int civilians = 0, officers = 0;
    for (Actor* a : game->world.actors) {
        if (a == game->world.player)
            continue;
        AIActor* npc = dynamic_cast<AIActor*>(a);
        ASSERT_NE(npc, nullptr);
        npc->isCop() ? officers++ : civilians++;
        EXPECT_FALSE(game->playerCollision(a->x, a->y)) << a->x << "," << a->y;
    }
    EXPECT_GE(civilians, 12);
    EXPECT_EQ(officers, 6);
    EXPECT_EQ(game->world.larders.size(), 3u);
    EXPECT_GE(game->world.items.size(), 8u);
    for (Weapon* w : game->world.items)
        EXPECT_FALSE(game->theMap->isSolid(w->x + 16, w->y + 16)) << w->x << "," << w->y;
    EXPECT_NE(game->world.ents.getEntity(40, 40, STENT_AREAMESSAGE), nullptr);
}

} // namespace
