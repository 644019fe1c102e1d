#pragma once
// The arithmetic behind the head-up display and the world tint, kept apart
// from the drawing so it can be checked without a window.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "render/TextWrap.h"
#include "world/Larder.h"

namespace HudMath {

// Seconds a combo stays alive after each kill; the red fades over them.
const float COMBO_SECONDS = 15.0f;
// Seconds of a pill's slow motion: one full turn of the clock face.
const float SLOWMO_SECONDS = 30.0f;
// A conversation box is solid until this many seconds are left, then fades.
const float TALK_FADE_SECONDS = 6.5f;
// How long each page of a conversation box stays up.
const float TALK_PAGE_SECONDS = 6.5f;
// Limits and speed (per game second) of the blue pulse of the combo tint.
const float BLUE_LOW = 0.3f;
const float BLUE_HIGH = 1.0f;
const float BLUE_RATE = 2.0f;

// printf into a string of whatever length the text needs.
inline std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
inline std::string format(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, fmt, copy);
    va_end(copy);
    std::string text;
    if (n > 0) {
        text.resize((size_t)n + 1);
        vsnprintf(&text[0], text.size(), fmt, args);
        text.resize((size_t)n);
    }
    va_end(args);
    return text;
}

// Health is shown in whole units of ten: a slot per ten of the maximum, a
// full unit per ten of the current health (35 shows three).
inline int healthSlots(int maxHealth) { return maxHealth / 10; }
inline int healthUnits(int health) { return health / 10; }

// What the combo line shows after the timer has run for `delta` more.
struct ComboLine {
    bool shown = false; // a chain of two or more is alive
    bool red = false;   // five or more: red text and the red world tint
    unsigned char redLevel = 0;
};

// Counts the combo down. A chain whose timer falls below zero ends (number 0,
// red render off); a live chain of five or more turns the red render on with
// an intensity that fades from 1 to 0 over the chain's last 15 seconds.
inline ComboLine advanceCombo(int& number, float& timer, float delta, bool& redRender,
                              float& redEffect)
{
    ComboLine line;
    timer -= delta;
    if (timer < 0) {
        number = 0;
        redRender = false;
        return line;
    }
    if (number > 1) {
        line.shown = true;
        if (number > 4) {
            redRender = true;
            redEffect = timer / COMBO_SECONDS;
            line.red = true;
            line.redLevel = (unsigned char)(int)(redEffect * 255);
        }
    }
    return line;
}

// The prompt for what lies underfoot, or null when there is nothing to take.
inline const char* pickUpPrompt(bool overWeapon, bool overPowerup, bool overCorpse,
                                bool luggingCorpse, bool holdsGun)
{
    if (!overWeapon)
        return overCorpse && !luggingCorpse ? "Press SPACE to pick up this corpse." : nullptr;
    if (!holdsGun)
        return "Press SPACE to pick up this item.";
    if (!overPowerup)
        return "Press SPACE to swap your gun.";
    return "Press SPACE to get this power up.";
}

// The survival clock: minutes, an apostrophe, seconds, a double quote and
// hundredths of the current second.
inline std::string survivalClock(int minutes, int seconds, float timer)
{
    return format("%i'%i\"%i", minutes, seconds, (int)(timer * 100));
}

// The slow-motion clock face turns once over the pill's 30 seconds.
inline float slowMoDialAngle(float slowMoTimer)
{
    return (slowMoTimer / SLOWMO_SECONDS) * 360.0f;
}

// Opacity of the conversation box: solid above 6.5 seconds left, then fading.
inline float talkAlpha(float talkTimer)
{
    float alpha = talkTimer / TALK_FADE_SECONDS;
    return alpha > 1.0f ? 1.0f : alpha;
}

// Counts the conversation down; false once it has ended (timer clamped to 0).
inline bool advanceTalk(float& talkTimer, float delta)
{
    talkTimer -= delta;
    if (talkTimer <= 0) {
        talkTimer = 0;
        return false;
    }
    return true;
}

// Which of `pages` pages a conversation box with `talkTimer` seconds left
// shows: the last page during the last TALK_PAGE_SECONDS, the one before it
// during the seconds before those, and so on; a longer timer keeps page 0.
inline int talkPage(size_t pages, float talkTimer)
{
    int fromEnd = talkTimer > 0 ? (int)(talkTimer / TALK_PAGE_SECONDS) : 0;
    int last = pages > 0 ? (int)pages - 1 : 0;
    return last - (fromEnd < last ? fromEnd : last);
}

// The larder nearest to (x, y) by squared distance from its centre; the
// earlier of equally near ones; null for no larders.
inline Larder* nearestLarder(const std::vector<Larder*>& larders, int x, int y)
{
    Larder* best = nullptr;
    int bestDistance = 0;
    for (Larder* l : larders) {
        int d = l->getSquaredDistance(x, y);
        if (best == nullptr || d < bestDistance) {
            best = l;
            bestDistance = d;
        }
    }
    return best;
}

// Rotation in degrees of the arrow that points from the player at (px, py)
// toward the larder at (lx, ly).
inline float larderArrowRotation(float px, float py, float lx, float ly)
{
    float angle = std::atan2(-(py - ly), px - lx);
    if (angle < 0)
        angle += 6.2831855f;
    return angle * 57.295776f - 180.0f;
}

// Where the rows of the head-up display stand, for a font line height L and
// a window height H. Rows that hold an icon are as tall as the taller of the
// line and the icon, so icons and text never overlap.
struct HudLayout {
    static const int ICON = 32;           // kill, larder and people icons
    static const int WEAPON_ICON = 64;    // the held weapon, lower left
    static const int WEAPON_X = 10;
    static const int TALK_TEXT_WIDTH = 248; // inside the 256-pixel box
    static const int TALK_TEXT_HEIGHT = 56; // from the text's pen to the box's bottom
    int lineHeight, height;
    HudLayout(int L, int H) : lineHeight(L), height(H) {}
    int iconRow() const { return lineHeight > ICON ? lineHeight : ICON; }
    // Survival: the clock below the health row, the kills below the clock,
    // the combo below the kills. The story game keeps the combo at 2 lines.
    int clockY() const { return 2 * lineHeight; }
    int killsY() const { return clockY() + lineHeight; }
    int comboY(bool survival) const { return survival ? killsY() + iconRow() : 2 * lineHeight; }
    // Lower left: the ammunition and the pick-up prompt to the right of the
    // weapon icon; the info panel's rows above it.
    int besideWeaponX() const { return WEAPON_X + WEAPON_ICON + 4; }
    int ammoY() const { return height - lineHeight; }
    int promptY() const { return height - 2 * lineHeight; }
    int infoRowY(int row) const { return height - WEAPON_ICON - row * iconRow(); }
};

// A conversation's text as the pages its box shows, each within the box.
inline std::vector<std::string> conversationPages(const FontDefinition& font, const std::string& text)
{
    return textPages(font, text, HudLayout::TALK_TEXT_WIDTH,
                     linesThatFit(font, HudLayout::TALK_TEXT_HEIGHT));
}

// The hurt tint: while the timer runs the world is red, and it counts down.
inline bool advanceHurt(float& hurtTimer, float delta)
{
    if (hurtTimer > 0) {
        hurtTimer -= delta;
        return true;
    }
    return false;
}

// Moves the blue of the combo tint up and down between 0.3 and 1.0;
// `falling` is the direction, flipped at either limit.
inline void pulseBlue(float& blueEffect, bool& falling, float delta)
{
    if (!falling) {
        blueEffect += BLUE_RATE * delta;
        if (blueEffect > BLUE_HIGH) {
            blueEffect = BLUE_HIGH;
            falling = true;
        }
    } else {
        blueEffect -= BLUE_RATE * delta;
        if (blueEffect < BLUE_LOW) {
            blueEffect = BLUE_LOW;
            falling = false;
        }
    }
}

} // namespace HudMath
