// The developer console driven by key events, screenshots and the assertion.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include "GameHarness.h"
#include "render/SpriteManager.h"
#include "world/CopActor.h"

static void type(GameHarness& h, const std::string& text)
{
    for (char c : text)
        h.io().press(c == ' ' ? SDLK_SPACE : (SDLKey)(SDLK_a + (c - 'a')));
    h.io().press(SDLK_RETURN);
}

TEST(Console, TypedCommandsRecallAndClosing)
{
    GameHarness h;
    h.writeMinimalData();
    CGame* game = h.start();
    game->newGame();
    game->world.player->setHealth(10);
    h.io().press(SDLK_UP); // nothing entered yet: stays empty
    for (const char* line : {"healme", "heal me", "version", "fullammo", "spawncop"})
        type(h, line);
    h.io().press(SDLK_UP);
    h.io().press(SDLK_ESCAPE);
    game->delta = 0.5f;
    game->consoleLoop();

    auto& hist = game->tools.consoleHistory;
    EXPECT_EQ(std::vector<std::string>(hist.end() - 10, hist.end()),
              std::vector<std::string>({">>>healme", ">>>Cheater", ">>>heal me",
                  ">>>Unknown command 'heal'.", ">>>version", ">>>Larder 2 version 1.0 ALPHA",
                  ">>>fullammo", ">>>you don't have a gun", ">>>spawncop", ">>>added cop at your x,y"}));
    EXPECT_EQ(game->world.player->getHealth(), 150);
    EXPECT_EQ(static_cast<CopActor*>(game->world.actors[1])->getCachedMap(), game->theMap.get());
    EXPECT_TRUE(game->tools.consoleLine == "spawncop" && game->delta == 0.0f);
    game->tools.consoleLine.clear(); // the prompt keeps its text across closing

    game->newSurvival(); // wingame does nothing here; back-quote closes
    type(h, "wingame");
    h.io().press(SDLK_BACKQUOTE);
    game->consoleLoop();
    EXPECT_TRUE(hist.back() == ">>>wingame" && !game->play.bInCinema);
    game->newGame(); // in a story game it starts the closing scene and closes
    type(h, "wingame");
    game->consoleLoop();
    EXPECT_TRUE(game->play.bInCinema);
}

TEST(Console, UprightScreenshotAndFatalAssertion)
{
    GameHarness h;
    h.writeMinimalData();
    CGame* game = h.start();
    glClearColor(0, 0, 1, 1);
    game->clearScreen();
    game->devices.actorSprites->drawSprite(5, 0, 0, 100, 100);
    game->takeScreenshot("shot.bmp");
    SDL_Surface* bmp = SDL_LoadBMP("shot.bmp");
    ASSERT_NE(bmp, nullptr);
    EXPECT_TRUE(bmp->w == 800 && bmp->h == 600 && bmp->format->BitsPerPixel == 24);
    // Pixels (10, 10) and (10, 590); BMP rows hold blue, green, red.
    Uint8 *top = (Uint8*)bmp->pixels + 10 * bmp->pitch + 30, *low = top + 580 * bmp->pitch;
    EXPECT_EQ((Rgb{top[2], top[1], top[0]}), spriteColour(5));
    EXPECT_EQ((Rgb{low[2], low[1], low[0]}), (Rgb{0, 0, 255}));
    SDL_FreeSurface(bmp);

    // A fresh process: a forked copy of one with a GL context can hang on exit.
    ::testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(game->gameAssert(false, "larderDrop", 42), ::testing::ExitedWithCode(1),
                "Game assertion \\(File larderDrop, line 42\\)");
}
