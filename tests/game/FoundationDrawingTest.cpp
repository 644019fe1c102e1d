// What the foundation draws: tiles around a camera, text, sprite culling.
#include <gtest/gtest.h>

#include "GameHarness.h"
#include "TempDir.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteBatch.h"
#include "render/SpriteManager.h"
#include "world/AIActor.h"
#include "world/Corpse.h"
#include "world/Map.h"

namespace {

const Rgb BLACK = {0, 0, 0};
const Rgb WHITE = {255, 255, 255};

class FoundationDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.writeMinimalData();
        game = h.start();
    }
    GameHarness h;
    CGame* game = nullptr;
};

TEST_F(FoundationDrawing, TileLayerCentresCameraAndAnimates)
{
    game->theMap->setTileAt(10, 10, 35); // animated: sprites 35, 36, 37
    game->theMap->setTileAt(11, 10, 1);
    int cx = 10 * 48 + 24, cy = 10 * 48 + 24;

    game->clearScreen();
    game->drawTileLayer(cx, cy);
    // The camera point lands at the window centre, inside tile (10, 10).
    EXPECT_EQ(h.pixel(400, 300), tileColour(35));
    EXPECT_EQ(h.pixel(376, 276), tileColour(35)); // the tile's top-left pixel
    EXPECT_EQ(h.pixel(375, 276), tileColour(0));
    EXPECT_EQ(h.pixel(424 + 10, 300), tileColour(1));

    game->theMap->updateTileAnimation(0.15f);
    game->clearScreen();
    game->drawTileLayer(cx, cy);
    EXPECT_EQ(h.pixel(400, 300), tileColour(36));

    game->theMap->updateTileAnimation(0.15f);
    game->theMap->updateTileAnimation(0.15f);
    game->clearScreen();
    game->drawTileLayer(cx, cy);
    EXPECT_EQ(h.pixel(400, 300), tileColour(35)) << "the third frame wraps to the first";

    game->clearScreen();
    game->drawTileLayer(24, 24); // camera on tile (0, 0): nothing left of or above it
    EXPECT_EQ(h.pixel(376, 276), tileColour(0));
    EXPECT_EQ(h.pixel(375, 290), BLACK);
    EXPECT_EQ(h.pixel(390, 275), BLACK);
}

TEST_F(FoundationDrawing, PrintedAndRightAlignedTextBreakAtBackslash)
{
    // Block font: glyphs 10 x 16, advance 12, line height 20.
    game->clearScreen();
    game->devices.font->print("AB\\C", 100, 100);
    EXPECT_EQ(h.pixel(105, 108), WHITE); // A
    EXPECT_EQ(h.pixel(111, 108), BLACK); // gap between A and B
    EXPECT_EQ(h.pixel(117, 108), WHITE); // B
    EXPECT_EQ(h.pixel(105, 128), WHITE); // C, one line lower, back at x 100
    EXPECT_EQ(h.pixel(117, 128), BLACK);

    // The bytes are walked from the last: C ends the first line at x 300,
    // then the line break, then B and A end the second line at x 300.
    game->clearScreen();
    game->devices.font->setFontColour(255, 0, 0);
    game->devices.font->rightAlignPrint("AB\\C", 300, 100);
    game->devices.font->setFontColour(255, 255, 255);
    Rgb red = {255, 0, 0};
    EXPECT_EQ(h.pixel(295, 108), red); // C
    EXPECT_EQ(h.pixel(283, 108), BLACK);
    EXPECT_EQ(h.pixel(301, 108), BLACK);
    EXPECT_EQ(h.pixel(295, 128), red); // B ends at 300
    EXPECT_EQ(h.pixel(289, 128), BLACK);
    EXPECT_EQ(h.pixel(283, 128), red); // A: 300 - 12 - 10
    EXPECT_EQ(h.pixel(277, 128), BLACK);
}

TEST_F(FoundationDrawing, SpritesOutsideTheVisibleAreaAreCulled)
{
    SpriteManager* sprites = game->devices.actorSprites.get();
    sprites->setScreenSize(400, 300);
    game->clearScreen();
    sprites->drawSprite(1, 399, 10, 48, 48);  // last column inside: drawn
    sprites->drawSprite(1, 400, 100, 48, 48); // at the width: culled
    sprites->drawSprite(1, 10, 299, 48, 48);  // last row inside: drawn
    sprites->drawSprite(1, 100, 300, 48, 48); // at the height: culled
    EXPECT_EQ(h.pixel(420, 30), spriteColour(1));
    EXPECT_EQ(h.pixel(420, 120), BLACK);
    EXPECT_EQ(h.pixel(30, 320), spriteColour(1));
    EXPECT_EQ(h.pixel(120, 320), BLACK);

    game->clearScreen();
    sprites->drawSprite(2, -1337, -1337, 48, 48); // top-left corner at the centre
    EXPECT_EQ(h.pixel(201, 151), spriteColour(2));
    EXPECT_EQ(h.pixel(199, 151), BLACK);
}

// The busy scene with the shipped art: turned actors and corpses over 2,000
// blood splashes of three textures and turned casings, with the HUD's text,
// a turned clock and a fading box. Batched, it takes a fraction of the calls
// and every pixel is the one a call per quad gives.
TEST(BatchedDrawing, BusySceneMatchesOneQuadPerCallByteForByte)
{
    GameHarness h;
    h.linkShippedData();
    CGame* game = h.start();
    game->newGame();
    game->world.player->x = game->world.player->y = 1800;
    game->play.survival.active = true; // corpses do not bleed between the two pictures
    game->play.slowMoTimer = 12;
    game->play.bIsTalking = true;
    game->play.talkTimer = 3;
    game->play.talkingConversation = "Two pictures,\\one per call.";
    game->delta = 0;
    srand(19);
    auto around = [&](int spread) { return 1800.0f - spread / 2 + (float)(rand() % spread); };
    for (int i = 0; i < 30; i++)
        h.place<AIActor>(around(800), around(600))->setRotation(rand() % 360);
    for (int i = 0; i < 40; i++) {
        Corpse* c = game->world.corpses.put(std::make_unique<Corpse>());
        c->setFrame(i % 4 == 3 ? 33 : 17);
        c->x = around(800);
        c->y = around(600);
        c->setRotation(rand() % 360);
    }
    for (int i = 0; i < 2000; i++)
        game->spawnBlood(1, around(800), around(600));
    for (int i = 0; i < 100; i++)
        game->spawnBulletCasing(rand() % 360, around(800), around(600));

    auto picture = [&](const char* file) {
        int cx = (int)game->world.player->x + 24, cy = (int)game->world.player->y + 24;
        unsigned long calls = SpriteBatch::drawCalls();
        game->clearScreen();
        game->setColour(1, 1, 1);
        game->drawTileLayer(cx, cy);
        game->drawEffectLayer(cx, cy);
        game->drawSpriteLayer(cx, cy);
        game->drawLarders(cx, cy);
        game->drawHUD();
        EXPECT_TRUE(game->takeScreenshot(file));
        return SpriteBatch::drawCalls() - calls;
    };
    unsigned long batched = picture("batched.bmp");
    SpriteBatch::setOneQuadPerCall(true);
    unsigned long single = picture("single.bmp");
    SpriteBatch::setOneQuadPerCall(false);
    EXPECT_GT(single, 2000u);
    EXPECT_LT(batched * 4, single);
    EXPECT_TRUE(readFile("batched.bmp") == readFile("single.bmp"));
}

} // namespace
