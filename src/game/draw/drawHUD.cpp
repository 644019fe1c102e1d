#include "game/CGame.h"

#include <cstdlib>

#include "render/HudMath.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "world/Actor.h"
#include "world/Larder.h"
#include "world/Weapon.h"
#include "world/SpriteIndex.h"
#include "world/GameRandom.h"

namespace {
// Side of a health slot or unit.
const int HEALTH_SIZE = 16;

void drawCursor(CGame& g)
{
    // The view is centred on the middle of the player's body, and the sight
    // line runs from there to the world point under the cursor.
    float cx = g.player->x + Actor::HALF_SIDE;
    float cy = g.player->y + Actor::HALF_SIDE;
    float wx = cx + (float)(g.cursX - g.scrWidth / 2);
    float wy = cy + (float)(g.cursY - g.scrHeight / 2);
    // Red when the point is out of sight or the hands are full; otherwise
    // the cursor keeps the tint of the world.
    if (g.bIsLuggingCorpse || !Actor::lineOfSight(cx, cy, wx, wy, g.theMap.get()))
        g.setColour(1, 0, 0);
    g.actorSprites->drawSprite(SpriteIndex::CURSOR, g.cursX - 24, g.cursY - 24, 48, 48);
    g.setColour(1, 1, 1);
}

void drawHealth(CGame& g)
{
    int slots = HudMath::healthSlots(g.player->getHealthMax());
    for (int i = 0; i < slots; i++)
        g.actorSprites->drawSprite(SpriteIndex::HEALTH_SLOT, HEALTH_SIZE * i + 2, 25, HEALTH_SIZE,
                                   HEALTH_SIZE);
    int units = HudMath::healthUnits(g.player->getHealth());
    for (int i = 0; i < units; i++)
        g.actorSprites->drawSprite(SpriteIndex::HEALTH_UNIT, HEALTH_SIZE * i, 23, HEALTH_SIZE, HEALTH_SIZE);
}

void drawWeapon(CGame& g)
{
    Weapon* gun = g.player->getGun();
    if (gun == nullptr)
        return;
    const int icon = HudMath::HudLayout::WEAPON_ICON;
    g.actorSprites->drawSprite(gun->graphic, HudMath::HudLayout::WEAPON_X, g.scrHeight - icon, icon,
                               icon);
    if (gun->getInClip() < 1)
        g.font->setFontColour(255, 0, 0); // an empty clip wants reloading
    HudMath::HudLayout rows(g.font->getLineHeight(), g.scrHeight);
    g.font->print(HudMath::format("(%i|%i)", gun->getInClip(), gun->getReserve()),
                  rows.besideWeaponX(), rows.ammoY());
    g.font->setFontColour(255, 255, 255);
}

void drawCombo(CGame& g)
{
    HudMath::ComboLine line = HudMath::advanceCombo(g.combo.number, g.combo.timer, g.delta,
                                                    g.redRender, g.redEffect);
    if (!line.shown)
        return;
    if (line.red)
        g.font->setFontColour(line.redLevel, 0, 0);
    HudMath::HudLayout rows(g.font->getLineHeight(), g.scrHeight);
    g.font->print(HudMath::format("%ix COMBO!", g.combo.number), 10,
                  rows.comboY(g.survival.active));
    g.font->setFontColour(255, 255, 255);
}

void drawSurvival(CGame& g)
{
    HudMath::HudLayout rows(g.font->getLineHeight(), g.scrHeight);
    const int icon = HudMath::HudLayout::ICON;
    g.actorSprites->drawSprite(SpriteIndex::KILL_ICON, 10, rows.killsY(), icon, icon);
    g.font->setFontColour(238, 221, 130);
    g.font->print(HudMath::survivalClock(g.survival.minutes, g.survival.seconds, g.survival.timer),
                  10, rows.clockY());
    g.font->print(HudMath::format("%i", g.survival.score), 10 + icon + 2, rows.killsY());
    g.font->setFontColour(255, 255, 255);
}

void drawSlowMo(CGame& g)
{
    g.actorSprites->drawSprite(SpriteIndex::SLOWMO_CLOCK, g.scrWidth / 2 - 24, 0, 48, 48,
                               HudMath::slowMoDialAngle(g.slowMoTimer));
    g.font->print(HudMath::format("%i", (int)g.slowMoTimer), g.scrWidth / 2 - 16, 10);
}

void drawConversation(CGame& g)
{
    float alpha = HudMath::talkAlpha(g.talkTimer);
    g.setColour(1, 1, 1, alpha);
    g.actorSprites->drawSprite(SpriteIndex::TALK_BOX, g.scrWidth - 258, g.scrHeight - 130, 256, 128);
    g.portraitSprites->drawSprite(g.talkingPortrait, g.scrWidth - 158, g.scrHeight - 126, 64, 64);
    // Long lines are wrapped to the box, and a text taller than it in pages.
    std::vector<std::string> pages = HudMath::conversationPages(*g.smallfont, g.talkingConversation);
    g.smallfont->print(pages[HudMath::talkPage(pages.size(), g.talkTimer)], g.scrWidth - 254,
                       g.scrHeight - 58, alpha);
    g.setColour(1, 1, 1, 1);
    if (!HudMath::advanceTalk(g.talkTimer, g.delta)) {
        g.bIsTalking = false;
        g.talkingConversation = "Didn't reset talking conversation last time";
    }
}

// Points from the player toward the nearest larder, shaking by a pixel.
void drawLarderArrow(CGame& g)
{
    Larder* target = HudMath::nearestLarder(g.larders, (int)g.player->x, (int)g.player->y);
    float rotation =
        HudMath::larderArrowRotation(g.player->x, g.player->y, target->getX(), target->getY());
    int j1 = gameRand() % 2 - 1;
    int j2 = gameRand() % 2 - 1;
    g.actorSprites->drawSprite(SpriteIndex::LARDER_ARROW, g.scrWidth / 2 + j1 - 16,
                               g.scrHeight / 2 + j2 - 16, 32, 32, rotation);
}
}

// Everything over the world: cursor, health, position, weapon and ammunition,
// frame rate, combo, pick-up prompt, survival clock, slow-motion clock,
// conversation box and the larder arrow. The combo and conversation timers
// count down here, so they also run during cut-scenes.
void CGame::drawHUD()
{
    drawCursor(*this);
    drawHealth(*this);
    font->print(HudMath::format("(%f,%f)", player->x, player->y), 0, 0);
    drawWeapon(*this);
    smallfont->rightAlignPrint(HudMath::format("FPS %i  ", fps), scrWidth, 0);
    drawCombo(*this);

    // The prompt says what the use key will do.
    const char* prompt = HudMath::pickUpPrompt(bIsOverWeapon && !useTakesCorpse(), bIsOverPowerup, bIsOverCorpse,
                                               bIsLuggingCorpse, player->getGun() != nullptr);
    if (prompt) {
        HudMath::HudLayout rows(font->getLineHeight(), scrHeight);
        font->print(prompt, rows.besideWeaponX(), rows.promptY());
    }

    if (survival.active)
        drawSurvival(*this);
    if (slowMoTimer > 0)
        drawSlowMo(*this);
    if (bIsTalking)
        drawConversation(*this);
    if (bIsLuggingCorpse && !larders.empty())
        drawLarderArrow(*this);
}
