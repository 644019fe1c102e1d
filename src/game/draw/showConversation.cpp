#include "game/CGame.h"

#include "render/HudMath.h"
#include "render/KelBitmapFont.h"

// Opens (or refreshes) the conversation box with a speaker's portrait and
// text at full time: talking to characters, area messages, script speech and
// the hospital revival all start it here. A text longer than the box holds
// is shown in pages, each for the time a short text gets; the HUD runs the
// timer down, turns the pages and ends the box.
void CGame::showConversation(const std::string& text, int portrait)
{
    size_t pages = devices.smallfont ? HudMath::conversationPages(*devices.smallfont, text).size() : 1;
    play.talkingConversation = text;
    play.talkingPortrait = portrait;
    play.talkTimer = HudMath::TALK_PAGE_SECONDS * (float)pages;
    play.bIsTalking = true;
}
