// Every screen the game shows, drawn with the shipped fonts and pictures and
// recorded box by box: no text or icon leaves the window, none covers
// another, and the text inside a box (the conversation box, the slow-motion
// dial) stays inside it.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

#include "GameHarness.h"
#include "game/flow/ScrollingText.h"
#include "render/DrawLog.h"
#include "world/Corpse.h"
#include "world/Larder.h"
#include "world/Pistol.h"
#include "world/SpriteIndex.h"

namespace {

// Sprites that frame what is drawn over them: the conversation box, the
// slow-motion dial, the full-window help and credits pictures.
const int FRAMES[] = {SpriteIndex::TALK_BOX, SpriteIndex::SLOWMO_CLOCK, SpriteIndex::HELP_SCREEN,
                      SpriteIndex::SURVIVAL_HELP_SCREEN, SpriteIndex::CREDITS_BACKGROUND};
// The aiming cursor follows the mouse and may lie over anything.
const int CURSOR = 13;
// A health unit lies on its empty slot.
const int EMPTY_HEALTH = 7, HEALTH = 8;

std::string describe(const DrawnBox& b)
{
    std::ostringstream s;
    s << (b.sprite >= 0 ? "sprite " + std::to_string(b.sprite) : "\"" + b.text + "\"") << " ["
      << b.left << "," << b.top << " - " << b.right << "," << b.bottom << "]";
    return s.str();
}

bool isFrame(const DrawnBox& b)
{
    for (int f : FRAMES)
        if (b.sprite == f)
            return true;
    return false;
}

bool overlaps(const DrawnBox& a, const DrawnBox& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool contains(const DrawnBox& outer, const DrawnBox& inner)
{
    return outer.left <= inner.left && outer.top <= inner.top && outer.right >= inner.right &&
           outer.bottom >= inner.bottom;
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override
    {
        h.linkShippedData();
        game = h.start();
        DrawLog::sink = &boxes;
    }
    void TearDown() override { DrawLog::sink = nullptr; }

    // Checks the boxes drawn since the last check; `scrolls` lets lines run
    // past the top and bottom edges (the credits).
    void check(const std::string& screen, bool scrolls = false)
    {
        std::vector<DrawnBox> seen;
        for (DrawnBox b : boxes) {
            if (b.sprite == CURSOR)
                continue;
            if (scrolls) { // only the part in the window counts
                b.top = std::max(b.top, 0);
                b.bottom = std::min(b.bottom, game->scrHeight);
            }
            seen.push_back(b);
        }
        for (const DrawnBox& b : seen) {
            bool inside = b.left >= 0 && b.right <= game->scrWidth &&
                          (scrolls || (b.top >= 0 && b.bottom <= game->scrHeight));
            EXPECT_TRUE(inside) << screen << ": " << describe(b) << " leaves the window";
        }
        for (size_t i = 0; i < seen.size(); i++) {
            for (size_t j = i + 1; j < seen.size(); j++) {
                const DrawnBox& a = seen[i];
                const DrawnBox& b = seen[j];
                if (!overlaps(a, b))
                    continue;
                bool framed = (isFrame(a) && contains(a, b)) || (isFrame(b) && contains(b, a)) ||
                              (a.sprite == EMPTY_HEALTH && b.sprite == HEALTH) ||
                              (a.sprite == HEALTH && b.sprite == EMPTY_HEALTH);
                EXPECT_TRUE(framed) << screen << ": " << describe(a) << " and " << describe(b)
                                    << " overlap";
            }
        }
        boxes.clear();
    }

    GameHarness h;
    CGame* game = nullptr;
    std::vector<DrawnBox> boxes;
};

TEST_F(Layout, MenuHelpCreditsConsoleAndEditor)
{
    h.io().onFrame = [&](int n) {
        if (n == 1)
            check("menu");
        h.io().quit();
    };
    game->menuLoop();

    game->newGame();
    boxes.clear();
    game->helpScreen();
    check("help");

    int frame = 0;
    h.io().frameMs = 500;
    h.io().onFrame = [&](int) {
        if (++frame % 10 == 0)
            check("credits", true);
        boxes.clear();
    };
    ScrollingText credits(game->devices.font.get(), "data/credits.txt", game->scrWidth, game->scrHeight,
                          game->devices.actorSprites.get(), 23, &h.io(), [this] { game->clearScreen(); });
    credits.displayLoop();

    h.io().onFrame = nullptr;
    for (int i = 0; i < 60; i++)
        game->consolePrint("Unknown command 'abcdefghijklmnopqrstuvwxyz " + std::to_string(i) + "'.");
    game->tools.consoleLine = "spawncop";
    h.io().key(SDLK_ESCAPE);
    boxes.clear();
    game->consoleLoop();
    check("console", true);

    game->tools.ed.mouseX = 700;
    game->tools.ed.mouseY = 500;
    game->editorHUD();
    check("editor");
}

TEST_F(Layout, PlayHudInfoPanelAndSurvival)
{
    game->newGame();
    Actor* p = game->world.player;
    p->x = 3800; // far corner coordinates: the widest position readout
    p->y = 3800;
    p->setHealthMax(200);
    p->setHealth(200);
    auto heldGun = std::make_unique<Pistol>();
    Pistol* gun = heldGun.get();
    gun->setInClip(17);
    gun->setReserve(1000);
    p->setGun(std::move(heldGun));
    game->frameRate.fps = 1000;
    game->play.combo.number = 12;
    game->play.combo.timer = 10;
    game->play.bIsOverWeapon = true;
    game->play.slowMoTimer = 29;
    game->play.bIsTalking = true;
    game->play.talkTimer = 6.5f;
    game->play.talkingPortrait = 2;
    game->play.talkingConversation = "You have been revived at a local hospital.";
    game->play.bIsLuggingCorpse = true;
    game->world.luggedCorpse = std::make_unique<Corpse>();
    game->mouse.cursX = 400;
    game->mouse.cursY = 300;
    boxes.clear();
    game->drawHUD();
    check("play HUD");

    // A 300-character line and a 60-character word: shown page by page as
    // the box's time runs, every page inside the box, nothing lost.
    std::string words;
    while (words.size() < 300)
        words += "The quick brown fox jumps over the lazy dog. ";
    words = words.substr(0, 300) + " " + std::string(60, 'W');
    game->showConversation(words, 2);
    game->delta = 1.0f;
    std::string shown, last;
    while (game->play.bIsTalking) {
        game->drawHUD();
        for (const DrawnBox& b : boxes)
            if (b.sprite < 0 && b.left >= game->scrWidth - 258 && b.top >= game->scrHeight - 130 &&
                b.text != last)
                shown += (last = b.text);
        check("long conversation");
    }
    words.erase(std::remove(words.begin(), words.end(), ' '), words.end());
    auto spaceOrBreak = [](char c) { return c == ' ' || c == '\\'; };
    shown.erase(std::remove_if(shown.begin(), shown.end(), spaceOrBreak), shown.end());
    EXPECT_EQ(shown, words);

    game->play.bIsTalking = false;
    game->drawHUD();
    game->drawInfoPanel();
    check("info panel");

    game->newSurvival();
    boxes.clear();
    game->helpScreen(); // survival's own help: no corpses to drag there
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].sprite, SpriteIndex::SURVIVAL_HELP_SCREEN);
    check("survival help");
    // The survival gun, replaced by one with a shorter readout.
    game->world.player->setGun(std::make_unique<Pistol>());
    game->play.survival.minutes = 59;
    game->play.survival.seconds = 59;
    game->play.survival.timer = 0.99f;
    game->play.survival.score = 999;
    game->play.combo.number = 12;
    game->play.combo.timer = 10;
    game->play.slowMoTimer = 29;
    boxes.clear();
    game->drawHUD();
    check("survival HUD");

    game->play.survival.score = 22; // "NATURAL BORN KILLER", the widest ranking
    h.io().key(SDLK_a);
    game->survivalResults();
    check("survival results");
}

} // namespace
