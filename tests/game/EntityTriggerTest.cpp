// The level's entity file in a running game: area messages, talking to
// characters, revival at a hospital, and the shipped town as newGame loads it.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>

#include "GameHarness.h"
#include "world/AIActor.h"
#include "world/CopActor.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/Pistol.h"
#include "world/StaticEntity.h"
#include "world/Weapon.h"

namespace {

// Portrait 3 in the middle of the conversation box's portrait square.
const int PORTRAIT_X = 800 - 158 + 32;
const int PORTRAIT_Y = 600 - 126 + 32;

class EntityTriggers : public ::testing::Test {
protected:
    void SetUp() override { h.writeMinimalData(); }
    // A story game on the test data with the given entity file; a civilian
    // far away keeps it from being won at once.
    void startGame(const std::string& entities)
    {
        h.writeFile("data/entities.txt", entities);
        game = h.start();
        game->newGame();
        bystander = new AIActor();
        bystander->x = 3000;
        bystander->y = 3000;
        game->actors.push_back(bystander);
    }
    // Plays `frames` frames with the input queued so far; a key put ahead
    // of it takes down the help screen every game loop opens with.
    void play(int frames)
    {
        std::deque<SDL_Event> queued;
        queued.swap(h.io().events);
        h.io().press(SDLK_RETURN);
        h.io().events.insert(h.io().events.end(), queued.begin(), queued.end());
        h.runFrames(frames + 1);
    }
    AIActor* civilian(float x, float y, const std::string& line)
    {
        AIActor* npc = new AIActor();
        npc->x = x;
        npc->y = y;
        npc->setDialogue(line);
        npc->setAnimation(0, 3, 1, 45);
        game->actors.push_back(npc);
        return npc;
    }
    GameHarness h;
    CGame* game = nullptr;
    AIActor* bystander = nullptr;
};

TEST_F(EntityTriggers, WalkingIntoAnAreaMessageShowsIt)
{
    startGame("areamessage 100 40 80 Mind  the gap\nareamessage 100 40 500 Never shown\n");
    ASSERT_FLOAT_EQ(game->player->x, 40.0f);
    play(3);
    EXPECT_FALSE(game->bIsTalking) << "standing still inside a zone triggers nothing";

    h.io().hold(SDLK_RIGHT, true);
    play(2);
    EXPECT_TRUE(game->bIsTalking);
    EXPECT_EQ(game->talkingConversation, "Mind the gap ") << "the first zone in file order";
    EXPECT_EQ(game->talkingPortrait, 3);
    EXPECT_FLOAT_EQ(game->talkTimer, 6.5f) << "refreshed on every frame of walking";

    h.io().hold(SDLK_RIGHT, false);
    Rgb portrait{};
    h.io().onFrame = [&](int) {
        if (portrait == Rgb{})
            portrait = h.pixel(PORTRAIT_X, PORTRAIT_Y); // drawn at full opacity
    };
    play(2);
    h.io().onFrame = nullptr;
    EXPECT_EQ(portrait, spriteColour(3)) << "the sign's portrait in the conversation box";
    EXPECT_TRUE(game->bIsTalking);
    EXPECT_LT(game->talkTimer, 6.5f) << "runs down once the player stops";
}

TEST_F(EntityTriggers, SpaceNearACivilianShowsItsLine)
{
    startGame("");
    game->player->x = 400;
    game->player->y = 400;
    Actor* dummy = new Actor(); // nearer, but no one to talk to
    dummy->x = 420;
    dummy->y = 400;
    game->actors.push_back(dummy);
    AIActor* npc = civilian(500, 400, "Lovely weather.\\Isn't it?");
    npc->setRotation(90);

    h.io().press(SDLK_SPACE);
    play(1);
    EXPECT_TRUE(game->bIsTalking);
    EXPECT_EQ(game->talkingConversation, "Lovely weather.\\Isn't it?");
    EXPECT_EQ(game->talkingPortrait, 1);
    EXPECT_FLOAT_EQ(game->talkTimer, 6.5f);
    EXPECT_NEAR(Actor::angleOutOf360((float)npc->getRotation()), 180.0f, 0.01f)
        << "the civilian turns to face the player";

    // A frightened civilian neither turns nor answers; the text empties.
    npc->setState(STATE_SCARED);
    npc->setRotation(90);
    h.io().press(SDLK_SPACE);
    play(1);
    EXPECT_EQ(game->talkingConversation, "");
    EXPECT_DOUBLE_EQ(npc->getRotation(), 90.0);

    // Away from everybody, Space closes the box.
    game->player->x = 1500;
    h.io().press(SDLK_SPACE);
    play(1);
    EXPECT_FALSE(game->bIsTalking);
}

TEST_F(EntityTriggers, OfficersDoNotChat)
{
    startGame("");
    game->player->x = 400;
    game->player->y = 400;
    CopActor* cop = new CopActor(); // hostile to the player's side
    cop->x = 450;
    cop->y = 400;
    game->actors.push_back(cop);
    game->bIsTalking = true;
    game->talkingConversation = "old";
    game->talkToNPC(400, 400, 150);
    EXPECT_EQ(game->talkingConversation, "");
    EXPECT_TRUE(game->bIsTalking) << "the open box stays until its timer runs out";
}

TEST_F(EntityTriggers, DeadPlayerWakesAtAHospital)
{
    startGame("hospitalspawn 600 100 0\nhospitalspawn 900 100 0\njailspawn 50 50 0\n");
    Pistol* gun = new Pistol();
    game->player->setGun(gun);
    game->player->x = 300;
    game->player->y = 300;
    game->player->setHealth(0);
    play(2);
    float x = game->player->x;
    EXPECT_TRUE(x == 600.0f || x == 900.0f) << x;
    EXPECT_FLOAT_EQ(game->player->y, 100.0f);
    EXPECT_EQ(game->player->getHealth(), 10);
    EXPECT_EQ(game->player->getGun(), nullptr);
    ASSERT_FALSE(game->items.empty());
    EXPECT_EQ(game->items.back(), gun) << "the gun stays where the player fell";
    EXPECT_FLOAT_EQ(gun->x, 300.0f);
    EXPECT_EQ(game->talkingConversation, "You have been revived at a local hospital.");
    EXPECT_EQ(game->talkingPortrait, 2);
}

// The shipped town: every character and item from the repository's data,
// each standing where the game lets a body stand.
TEST_F(EntityTriggers, NewGameLoadsTheTown)
{
    namespace fs = std::filesystem;
    fs::path source = fs::path(LARDER_SOURCE_DIR) / "data";
    fs::copy(source / "actors", "data/actors");
    fs::copy_file(source / "entities.txt", "data/entities.txt", fs::copy_options::overwrite_existing);
    fs::copy_file(source / "map0.dat", "data/map0.dat", fs::copy_options::overwrite_existing);
    game = h.start();

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    game->newGame();
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(out.find("Massloading entities and weapons\n"), std::string::npos);
    EXPECT_EQ(err, "File data/actors/18.def is missing, can't load def\n");

    int civilians = 0, officers = 0;
    for (Actor* a : game->actors) {
        if (a == game->player)
            continue;
        AIActor* npc = dynamic_cast<AIActor*>(a);
        ASSERT_NE(npc, nullptr);
        if (npc->isCop()) {
            officers++;
            EXPECT_NE(npc->getGun(), nullptr);
        } else {
            civilians++;
            EXPECT_NE(npc->getDialogue(), "Go away, I am hungry.") << "each has its own line";
        }
        EXPECT_FALSE(game->playerCollision(a->x, a->y)) << a->x << "," << a->y;
    }
    EXPECT_GE(civilians, 12);
    EXPECT_EQ(officers, 6);

    EXPECT_EQ(game->larders.size(), 3u);
    EXPECT_GE(game->items.size(), 8u);
    for (Weapon* w : game->items)
        EXPECT_FALSE(game->theMap->isSolid(w->x + 16, w->y + 16)) << w->x << "," << w->y;
    EXPECT_NE(game->ents.getEntity(40, 40, STENT_AREAMESSAGE), nullptr);
    EXPECT_EQ(game->player->getGun(), nullptr);
}

} // namespace
