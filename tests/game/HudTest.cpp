// The head-up display, the info panel and the colour of the world as they
// appear in the window.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <vector>

#include "GameHarness.h"
#include "render/KelBitmapFont.h"
#include "world/Actor.h"
#include "world/Corpse.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/Pistol.h"

namespace {

const Rgb BLACK = {0, 0, 0};
const Rgb WHITE = {255, 255, 255};
const Rgb RED = {255, 0, 0};
// A tile whose colour has all three channels, so every tint shows.
const int GREY_TILE = 40;

class Hud : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeMinimalData();
        game = h.start();
        game->newGame();
        Actor* bystander = new Actor(); // so the story game is not won at once
        bystander->x = 3000;
        bystander->y = 3000;
        bystander->team = 1;
        game->actors.push_back(bystander);
        game->player->x = 1000;
        game->player->y = 1000;
        game->player->setHealthMax(100);
        game->player->setHealth(100);
        game->cursX = 600;
        game->cursY = 150;
        game->delta = 0;
    }
    void drawHudAlone()
    {
        game->clearScreen();
        glColor3f(1, 1, 1);
        game->drawHUD();
    }
    void lugCorpse()
    {
        game->luggedCorpse = new Corpse();
        game->bIsLuggingCorpse = true;
    }
    Larder* addLarder(float x, float y)
    {
        Larder* l = new Larder();
        l->setX(x);
        l->setY(y);
        game->larders.push_back(l);
        return l;
    }
    // Plays frames after the help screen is dismissed, recording one pixel
    // of each finished frame.
    std::vector<Rgb> playRecording(int frames, int x, int y)
    {
        std::vector<Rgb> seen;
        h.io().onFrame = [&](int) { seen.push_back(h.pixel(x, y)); };
        h.io().press(SDLK_RETURN);
        h.runFrames(frames + 1);
        h.io().onFrame = nullptr;
        seen.erase(seen.begin()); // the help screen
        return seen;
    }
    GameHarness h;
    CGame* game = nullptr;
};

TEST_F(Hud, HealthUnitsOverEmptySlots)
{
    game->player->setHealth(35);
    drawHudAlone();
    EXPECT_EQ(h.pixel(8, 30), spriteColour(8));
    EXPECT_EQ(h.pixel(16 * 2 + 8, 30), spriteColour(8));
    EXPECT_EQ(h.pixel(16 * 3 + 8, 30), spriteColour(7)) << "35 shows three units";
    EXPECT_EQ(h.pixel(16 * 9 + 14, 39), spriteColour(7)) << "ten slots for 100";
    EXPECT_EQ(h.pixel(16 * 10 + 8, 30), BLACK);

    game->player->setHealth(0);
    drawHudAlone();
    EXPECT_EQ(h.pixel(8, 30), spriteColour(7));
    EXPECT_EQ(h.pixel(16 * 9 + 14, 39), spriteColour(7));
}

TEST_F(Hud, AmmunitionCountTurnsRedWhenTheClipIsEmpty)
{
    drawHudAlone();
    EXPECT_EQ(h.pixel(5, 588), BLACK) << "no gun, no counts";
    EXPECT_EQ(h.pixel(40, 570), BLACK);

    Pistol* gun = new Pistol();
    game->player->setGun(gun);
    drawHudAlone();
    EXPECT_EQ(h.pixel(5, 588), WHITE);
    EXPECT_EQ(h.pixel(40, 560), spriteColour(gun->graphic));

    gun->setInClip(0);
    drawHudAlone();
    EXPECT_EQ(h.pixel(5, 588), RED);
    drawHudAlone();
    game->font->print("X", 200, 200);
    EXPECT_EQ(h.pixel(205, 208), WHITE) << "the font colour is restored";
}

TEST_F(Hud, LarderArrowPointsToTheNearestLarder)
{
    lugCorpse();
    drawHudAlone();
    EXPECT_EQ(h.pixel(400, 300), BLACK) << "no larders, no arrow";

    addLarder(1000 + 2000, 1000); // straight to the right, far
    drawHudAlone();
    EXPECT_EQ(h.pixel(400, 300), spriteColour(44));
    EXPECT_EQ(h.pixel(419, 300), BLACK) << "an upright square";

    addLarder(1000 + 400, 1000 + 400); // diagonal and nearer, later in the list
    drawHudAlone();
    EXPECT_EQ(h.pixel(400, 300), spriteColour(44));
    EXPECT_EQ(h.pixel(419, 300), spriteColour(44)) << "the square turned by 45 degrees";

    game->bIsLuggingCorpse = false;
    drawHudAlone();
    EXPECT_EQ(h.pixel(400, 300), BLACK) << "only while dragging";
    game->bIsLuggingCorpse = true;
}

TEST_F(Hud, ConversationBoxFadesOutAndEnds)
{
    game->bIsTalking = true;
    game->talkingPortrait = 2;
    game->talkingConversation = "Hello";
    game->talkTimer = 13.0f;
    drawHudAlone();
    EXPECT_EQ(h.pixel(560, 480), spriteColour(18));
    EXPECT_EQ(h.pixel(670, 500), spriteColour(2)) << "the portrait";

    game->talkTimer = 3.25f; // half faded
    drawHudAlone();
    Rgb half = h.pixel(560, 480);
    EXPECT_NEAR(half.r, spriteColour(18).r / 2, 2);
    EXPECT_NEAR(half.g, spriteColour(18).g / 2, 2);

    game->delta = 0.02f;
    game->talkTimer = 0.01f;
    drawHudAlone();
    EXPECT_FALSE(game->bIsTalking);
    EXPECT_EQ(game->talkTimer, 0.0f);
    EXPECT_EQ(game->talkingConversation, "Didn't reset talking conversation last time");
}

TEST_F(Hud, WorldIsRedWhileTheHurtTimerRuns)
{
    for (int y = 0; y < Map::SIZE; y++)
        for (int x = 0; x < Map::SIZE; x++)
            game->theMap->setTileAt(x, y, GREY_TILE);
    Rgb grey = tileColour(GREY_TILE);
    // The help screen's frame runs with no time passed; then 20 ms a frame.
    game->hurtTimer = 0.03f;
    std::vector<Rgb> seen = playRecording(4, 650, 450);
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], (Rgb{grey.r, 0, 0}));
    EXPECT_EQ(seen[1], (Rgb{grey.r, 0, 0})) << "red as long as time was left at the frame's start";
    EXPECT_EQ(seen[2], grey);
    EXPECT_EQ(seen[3], grey);
    EXPECT_LE(game->hurtTimer, 0.0f);
}

TEST_F(Hud, ComboOfFiveTintsTheWorldRedAndTheActorsBlue)
{
    for (int y = 0; y < Map::SIZE; y++)
        for (int x = 0; x < Map::SIZE; x++)
            game->theMap->setTileAt(x, y, GREY_TILE);
    game->combo.number = 5;
    game->combo.timer = 15.0f;
    game->blueEffect = 1.0f;
    std::vector<Rgb> tile = playRecording(2, 650, 450);
    EXPECT_TRUE(game->redRender);
    ASSERT_EQ(tile.size(), 2u);
    EXPECT_NEAR(tile[1].r, tileColour(GREY_TILE).r, 2);
    EXPECT_EQ(tile[1].g, 0);
    EXPECT_EQ(tile[1].b, 0);

    std::vector<Rgb> actor = playRecording(1, 400, 300); // the player's sprite
    ASSERT_EQ(actor.size(), 1u);
    EXPECT_EQ(actor[0].r, 0);
    EXPECT_EQ(actor[0].g, 0);
    EXPECT_GT(actor[0].b, 0);
    EXPECT_LT(game->blueEffect, 1.0f) << "the blue pulses down from its peak";

    game->combo.timer = 0.001f; // the chain runs out in the next HUD
    playRecording(1, 0, 0);
    EXPECT_FALSE(game->redRender);
    EXPECT_EQ(game->combo.number, 0);
}

TEST_F(Hud, InfoPanelWhileIIsHeld)
{
    game->inLarder = 12;
    lugCorpse();
    for (int i = 0; i < 2; i++) {
        Corpse* c = new Corpse();
        c->x = 3500;
        c->y = 3500;
        game->corpses.push_back(c);
    }
    for (int i = 0; i < 9; i++) {
        Actor* a = new Actor();
        a->x = 3000;
        a->y = 100 + 100 * i;
        a->team = 1;
        game->actors.push_back(a);
    }
    // Line height 20: rows at y 516, 496 and 476, each drawn over the one below.
    // Line height 20: rows at y 516, 496 and 476, each drawn over the one
    // below; the numbers stand at x 34 in glyphs 12 pixels apart.
    std::vector<Rgb> seen;
    h.io().hold(SDLK_i, true);
    h.io().onFrame = [&](int) {
        seen.clear();
        for (int y : {540, 520, 490})
            seen.push_back(h.pixel(10, y));
        for (int x : {39, 51, 63})
            for (int y : {524, 504, 484})
                seen.push_back(h.pixel(x, y));
    };
    h.io().press(SDLK_RETURN);
    h.runFrames(2);
    ASSERT_EQ(seen.size(), 12u);
    EXPECT_EQ(seen[0], spriteColour(42));
    EXPECT_EQ(seen[1], spriteColour(36));
    EXPECT_EQ(seen[2], spriteColour(41));
    const Rgb* digits = &seen[3];
    // "12" stored, "3" corpses (one dragged), "10" people besides the player.
    EXPECT_EQ(digits[0], WHITE); EXPECT_EQ(digits[3], WHITE); EXPECT_FALSE(digits[6] == WHITE);
    EXPECT_EQ(digits[1], WHITE); EXPECT_FALSE(digits[4] == WHITE);
    EXPECT_EQ(digits[2], WHITE); EXPECT_EQ(digits[5], WHITE); EXPECT_FALSE(digits[8] == WHITE);

    h.io().hold(SDLK_i, false);
    h.io().press(SDLK_RETURN);
    h.runFrames(2);
    EXPECT_FALSE(seen[2] == spriteColour(41)) << "gone with the key";
    h.io().onFrame = nullptr;

    game->survival.active = true;
    game->clearScreen();
    game->drawInfoPanel();
    EXPECT_EQ(h.pixel(10, 490), BLACK) << "no panel in survival mode";
    game->survival.active = false;
}

} // namespace
