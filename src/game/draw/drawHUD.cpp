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
    float cx = g.world.player->x + Actor::HALF_SIDE;
    float cy = g.world.player->y + Actor::HALF_SIDE;
    float wx = cx + (float)(g.mouse.cursX - g.scrWidth / 2);
    float wy = cy + (float)(g.mouse.cursY - g.scrHeight / 2);
    // Red when the point is out of sight or the hands are full; otherwise
    // the cursor keeps the tint of the world.
    if (g.play.bIsLuggingCorpse || !Actor::lineOfSight(cx, cy, wx, wy, g.theMap.get()))
        g.setColour(1, 0, 0);
    g.devices.actorSprites->drawSprite(SpriteIndex::CURSOR, g.mouse.cursX - 24, g.mouse.cursY - 24, 48, 48);
    g.setColour(1, 1, 1);
}

void drawHealth(CGame& g)
{
    int slots = HudMath::healthSlots(g.world.player->getHealthMax());
    for (int i = 0; i < slots; i++)
        g.devices.actorSprites->drawSprite(SpriteIndex::HEALTH_SLOT, HEALTH_SIZE * i + 2, 25, HEALTH_SIZE,
                                   HEALTH_SIZE);
    int units = HudMath::healthUnits(g.world.player->getHealth());
    for (int i = 0; i < units; i++)
        g.devices.actorSprites->drawSprite(SpriteIndex::HEALTH_UNIT, HEALTH_SIZE * i, 23, HEALTH_SIZE, HEALTH_SIZE);
}

void drawWeapon(CGame& g)
{
    Weapon* gun = g.world.player->getGun();
    if (gun == nullptr)
        return;
    const int icon = HudMath::HudLayout::WEAPON_ICON;
    g.devices.actorSprites->drawSprite(gun->graphic, HudMath::HudLayout::WEAPON_X, g.scrHeight - icon, icon,
                               icon);
    if (gun->getInClip() < 1)
        g.devices.font->setFontColour(255, 0, 0); // an empty clip wants reloading
    HudMath::HudLayout rows(g.devices.font->getLineHeight(), g.scrHeight);
    g.devices.font->print(HudMath::format("(%i|%i)", gun->getInClip(), gun->getReserve()),
                  rows.besideWeaponX(), rows.ammoY());
    g.devices.font->setFontColour(255, 255, 255);
}

void drawCombo(CGame& g)
{
    HudMath::ComboLine line = HudMath::advanceCombo(g.play.combo.number, g.play.combo.timer, g.delta,
                                                    g.play.redRender, g.play.redEffect);
    if (!line.shown)
        return;
    if (line.red)
        g.devices.font->setFontColour(line.redLevel, 0, 0);
    HudMath::HudLayout rows(g.devices.font->getLineHeight(), g.scrHeight);
    g.devices.font->print(HudMath::format("%ix COMBO!", g.play.combo.number), 10,
                  rows.comboY(g.play.survival.active));
    g.devices.font->setFontColour(255, 255, 255);
}

void drawSurvival(CGame& g)
{
    HudMath::HudLayout rows(g.devices.font->getLineHeight(), g.scrHeight);
    const int icon = HudMath::HudLayout::ICON;
    g.devices.actorSprites->drawSprite(SpriteIndex::KILL_ICON, 10, rows.killsY(), icon, icon);
    g.devices.font->setFontColour(238, 221, 130);
    g.devices.font->print(HudMath::survivalClock(g.play.survival.minutes, g.play.survival.seconds, g.play.survival.timer),
                  10, rows.clockY());
    g.devices.font->print(HudMath::format("%i", g.play.survival.score), 10 + icon + 2, rows.killsY());
    g.devices.font->setFontColour(255, 255, 255);
}

void drawSlowMo(CGame& g)
{
    g.devices.actorSprites->drawSprite(SpriteIndex::SLOWMO_CLOCK, g.scrWidth / 2 - 24, 0, 48, 48,
                               HudMath::slowMoDialAngle(g.play.slowMoTimer));
    g.devices.font->print(HudMath::format("%i", (int)g.play.slowMoTimer), g.scrWidth / 2 - 16, 10);
}

void drawConversation(CGame& g)
{
    float alpha = HudMath::talkAlpha(g.play.talkTimer);
    g.setColour(1, 1, 1, alpha);
    g.devices.actorSprites->drawSprite(SpriteIndex::TALK_BOX, g.scrWidth - 258, g.scrHeight - 130, 256, 128);
    g.devices.portraitSprites->drawSprite(g.play.talkingPortrait, g.scrWidth - 158, g.scrHeight - 126, 64, 64);
    // Long lines are wrapped to the box, and a text taller than it in pages.
    std::vector<std::string> pages = HudMath::conversationPages(*g.devices.smallfont, g.play.talkingConversation);
    g.devices.smallfont->print(pages[HudMath::talkPage(pages.size(), g.play.talkTimer)], g.scrWidth - 254,
                       g.scrHeight - 58, alpha);
    g.setColour(1, 1, 1, 1);
    if (!HudMath::advanceTalk(g.play.talkTimer, g.delta)) {
        g.play.bIsTalking = false;
        g.play.talkingConversation = "Didn't reset talking conversation last time";
    }
}

// Points from the player toward the nearest larder, shaking by a pixel.
void drawLarderArrow(CGame& g)
{
    Larder* target = HudMath::nearestLarder(g.world.larders, (int)g.world.player->x, (int)g.world.player->y);
    float rotation =
        HudMath::larderArrowRotation(g.world.player->x, g.world.player->y, target->getX(), target->getY());
    int j1 = gameRand() % 2 - 1;
    int j2 = gameRand() % 2 - 1;
    g.devices.actorSprites->drawSprite(SpriteIndex::LARDER_ARROW, g.scrWidth / 2 + j1 - 16,
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
    devices.font->print(HudMath::format("(%f,%f)", world.player->x, world.player->y), 0, 0);
    drawWeapon(*this);
    devices.smallfont->rightAlignPrint(HudMath::format("FPS %i  ", frameRate.fps), scrWidth, 0);
    drawCombo(*this);

    // The prompt says what the use key will do.
    const char* prompt = HudMath::pickUpPrompt(play.bIsOverWeapon && !useTakesCorpse(), play.bIsOverPowerup, play.bIsOverCorpse,
                                               play.bIsLuggingCorpse, world.player->getGun() != nullptr);
    if (prompt) {
        HudMath::HudLayout rows(devices.font->getLineHeight(), scrHeight);
        devices.font->print(prompt, rows.besideWeaponX(), rows.promptY());
    }

    if (play.survival.active)
        drawSurvival(*this);
    if (play.slowMoTimer > 0)
        drawSlowMo(*this);
    if (play.bIsTalking)
        drawConversation(*this);
    if (play.bIsLuggingCorpse && !world.larders.empty())
        drawLarderArrow(*this);
}
