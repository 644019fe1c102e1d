// The head-up display and the colour of the world as they appear in the
// window.
#include <gtest/gtest.h>

#include <GL/gl.h>
#include <vector>

#include "GameHarness.h"
#include "render/KelBitmapFont.h"
#include "world/Map.h"
#include "world/Pistol.h"

namespace {

const Rgb BLACK = {0, 0, 0};
const Rgb WHITE = {255, 255, 255};
const Rgb RED = {255, 0, 0};

class Hud : public ::testing::Test {
protected:
    void SetUp() override
    {
        game = h.startStory();
        game->world.player->x = 1000;
        game->world.player->y = 1000;
        game->world.player->setHealthMax(100);
        game->world.player->setHealth(100);
        game->mouse.cursX = 600; // the cursor clear of the checked pixels
        game->mouse.cursY = 150;
        game->delta = 0;
    }
    void drawHudAlone()
    {
        game->clearScreen();
        glColor3f(1, 1, 1);
        game->drawHUD();
    }
    GameHarness h;
    CGame* game = nullptr;
};

TEST_F(Hud, HealthUnitsOverEmptySlots)
{
    game->world.player->setHealth(35);
    drawHudAlone();
    EXPECT_EQ(h.pixel(8, 30), spriteColour(8));
    EXPECT_EQ(h.pixel(16 * 2 + 8, 30), spriteColour(8));
    EXPECT_EQ(h.pixel(16 * 3 + 8, 30), spriteColour(7)) << "35 shows three units";
    EXPECT_EQ(h.pixel(16 * 9 + 14, 39), spriteColour(7)) << "ten slots for 100";
    EXPECT_EQ(h.pixel(16 * 10 + 8, 30), BLACK);
}

TEST_F(Hud, AmmunitionCountTurnsRedWhenTheClipIsEmpty)
{
    drawHudAlone();
    const int countX = 83; // right of the weapon icon
    EXPECT_EQ(h.pixel(countX, 588), BLACK) << "no gun, no counts";

    auto heldGun = std::make_unique<Pistol>();
    Pistol* gun = heldGun.get();
    game->world.player->setGun(std::move(heldGun));
    drawHudAlone();
    EXPECT_EQ(h.pixel(countX, 588), WHITE);
    EXPECT_EQ(h.pixel(40, 560), spriteColour(gun->graphic));

    gun->setInClip(0);
    drawHudAlone();
    EXPECT_EQ(h.pixel(countX, 588), RED);
    game->devices.font->print("X", 200, 200);
    EXPECT_EQ(h.pixel(205, 208), WHITE) << "the font colour is restored";
}

TEST_F(Hud, LarderArrowPointsToTheNearestLarderWhileDragging)
{
    h.dragCorpse();
    drawHudAlone();
    EXPECT_EQ(h.pixel(400, 300), BLACK) << "no larders, no arrow";

    h.addLarder(1000 + 2000, 1000); // straight to the right, far
    drawHudAlone();
    EXPECT_EQ(h.pixel(400, 300), spriteColour(44));
    EXPECT_EQ(h.pixel(419, 300), BLACK) << "an upright square";

    h.addLarder(1000 + 400, 1000 + 400); // diagonal and nearer, later in the list
    drawHudAlone();
    EXPECT_EQ(h.pixel(419, 300), spriteColour(44)) << "the square turned by 45 degrees";

    game->play.bIsLuggingCorpse = false;
    drawHudAlone();
    EXPECT_EQ(h.pixel(400, 300), BLACK) << "only while dragging";
    game->play.bIsLuggingCorpse = true;
}

TEST_F(Hud, ConversationBoxFadesOutAndEnds)
{
    game->play.bIsTalking = true;
    game->play.talkingPortrait = 2;
    game->play.talkingConversation = "Hello";
    game->play.talkTimer = 6.5f;
    drawHudAlone();
    // The speaker's portrait in the middle of the box's portrait square.
    EXPECT_EQ(h.pixel(800 - 158 + 32, 600 - 126 + 32), spriteColour(2));

    game->play.talkTimer = 3.25f; // half faded
    drawHudAlone();
    Rgb half = h.pixel(560, 480);
    EXPECT_NEAR(half.r, spriteColour(18).r / 2, 2);
    EXPECT_NEAR(half.g, spriteColour(18).g / 2, 2);

    game->delta = 0.02f;
    game->play.talkTimer = 0.01f;
    drawHudAlone();
    EXPECT_FALSE(game->play.bIsTalking);
    EXPECT_EQ(game->play.talkingConversation, "Didn't reset talking conversation last time");
}

TEST_F(Hud, WorldIsRedWhileTheHurtTimerRuns)
{
    const int greyTile = 40; // all three channels lit, so every tint shows
    for (int y = 0; y < Map::SIZE; y++)
        for (int x = 0; x < Map::SIZE; x++)
            game->theMap->setTileAt(x, y, greyTile);
    Rgb grey = tileColour(greyTile);
    // The help screen's frame runs with no time passed; then 20 ms a frame.
    game->play.hurtTimer = 0.03f;
    std::vector<Rgb> seen;
    h.io().onFrame = [&](int) { seen.push_back(h.pixel(650, 450)); };
    h.play(4);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[1], (Rgb{grey.r, 0, 0}));
    EXPECT_EQ(seen[2], (Rgb{grey.r, 0, 0})) << "red as long as time was left at the frame's start";
    EXPECT_EQ(seen[3], grey);
}

TEST_F(Hud, PrintingOnlyUndefinedGlyphsStillLeavesTheColourWhite)
{
    glColor3f(1, 0, 0);
    game->devices.font->print("\x01\x02", 10, 10); // no glyph is defined for these bytes
    float colour[4] = {0, 0, 0, 0};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_TRUE(colour[0] == 1 && colour[1] == 1 && colour[2] == 1 && colour[3] == 1);
}

// The sight line to the cursor starts at the middle of the player's body: a
// wall tile west of the player (x 912..959) does not hide world x 970, which
// lies east of it, seen from the body's centre at x 1024.
TEST_F(Hud, CursorSightIsMeasuredFromTheBodysCentre)
{
    for (int row = 0; row < Map::SIZE; row++)
        game->theMap->setTileAt(19, row, 1);
    game->mouse.cursX = 400 + (970 - 1024);
    game->mouse.cursY = 300;
    drawHudAlone();
    EXPECT_NE(h.pixel(game->mouse.cursX, game->mouse.cursY).g, 0) << "the cursor keeps its colour";
}

} // namespace
