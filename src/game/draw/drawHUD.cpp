#include "game/CGame.h"

#include <cstdlib>

#include "render/HudMath.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "world/Actor.h"
#include "world/Larder.h"
#include "world/Weapon.h"
#include "world/GameRandom.h"

namespace {
// Images of the actor sprite set drawn over the world.
const int SPRITE_EMPTY_HEALTH = 7;
const int SPRITE_HEALTH = 8;
const int SPRITE_CURSOR = 13;
const int SPRITE_TALK_BOX = 18;
const int SPRITE_SLOWMO_CLOCK = 26;
const int SPRITE_KILLS = 36;
const int SPRITE_LARDER_ARROW = 44;
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
    if (g.bIsLuggingCorpse || !Actor::lineOfSight(cx, cy, wx, wy, g.theMap))
        g.setColour(1, 0, 0);
    g.actorSprites->drawSprite(SPRITE_CURSOR, g.cursX - 24, g.cursY - 24, 48, 48);
    g.setColour(1, 1, 1);
}

void drawHealth(CGame& g)
{
    int slots = HudMath::healthSlots(g.player->getHealthMax());
    for (int i = 0; i < slots; i++)
        g.actorSprites->drawSprite(SPRITE_EMPTY_HEALTH, HEALTH_SIZE * i + 2, 25, HEALTH_SIZE,
                                   HEALTH_SIZE);
    int units = HudMath::healthUnits(g.player->getHealth());
    for (int i = 0; i < units; i++)
        g.actorSprites->drawSprite(SPRITE_HEALTH, HEALTH_SIZE * i, 23, HEALTH_SIZE, HEALTH_SIZE);
}

void drawWeapon(CGame& g)
{
    Weapon* gun = g.player->getGun();
    if (gun == nullptr)
        return;
    g.actorSprites->drawSprite(gun->graphic, 10, g.scrHeight - 64, 64, 64);
    if (gun->getInClip() < 1)
        g.font->setFontColour(255, 0, 0); // an empty clip wants reloading
    g.font->print(HudMath::format("(%i|%i)", gun->getInClip(), gun->getReserve()), 0,
                  g.scrHeight - g.font->getLineHeight());
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
    int rows = g.survival.active ? 3 : 2; // below the survival clock and score
    g.font->print(HudMath::format("%ix COMBO!", g.combo.number), 10,
                  rows * g.font->getLineHeight());
    g.font->setFontColour(255, 255, 255);
}

void drawSurvival(CGame& g)
{
    int lineHeight = g.font->getLineHeight();
    g.actorSprites->drawSprite(SPRITE_KILLS, 10, lineHeight + 36, 32, 32);
    g.font->setFontColour(238, 221, 130);
    g.font->print(HudMath::survivalClock(g.survival.minutes, g.survival.seconds, g.survival.timer),
                  10, 36);
    g.font->print(HudMath::format("%i", g.survival.score), 44, lineHeight + 36);
    g.font->setFontColour(255, 255, 255);
}

void drawSlowMo(CGame& g)
{
    g.actorSprites->drawSprite(SPRITE_SLOWMO_CLOCK, g.scrWidth / 2 - 24, 0, 48, 48,
                               HudMath::slowMoDialAngle(g.slowMoTimer));
    g.font->print(HudMath::format("%i", (int)g.slowMoTimer), g.scrWidth / 2 - 16, 10);
}

void drawConversation(CGame& g)
{
    float alpha = HudMath::talkAlpha(g.talkTimer);
    g.setColour(1, 1, 1, alpha);
    g.actorSprites->drawSprite(SPRITE_TALK_BOX, g.scrWidth - 258, g.scrHeight - 130, 256, 128);
    g.portraitSprites->drawSprite(g.talkingPortrait, g.scrWidth - 158, g.scrHeight - 126, 64, 64);
    g.smallfont->print(g.talkingConversation, g.scrWidth - 254, g.scrHeight - 58, alpha);
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
    g.actorSprites->drawSprite(SPRITE_LARDER_ARROW, g.scrWidth / 2 + j1 - 16,
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

    const char* prompt = HudMath::pickUpPrompt(bIsOverWeapon, bIsOverPowerup, bIsOverCorpse,
                                               bIsLuggingCorpse, player->getGun() != nullptr);
    if (prompt)
        font->print(prompt, 0, scrHeight - 2 * font->getLineHeight());

    if (survival.active)
        drawSurvival(*this);
    if (slowMoTimer > 0)
        drawSlowMo(*this);
    if (bIsTalking)
        drawConversation(*this);
    if (bIsLuggingCorpse && !larders.empty())
        drawLarderArrow(*this);
}
