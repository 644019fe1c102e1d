#include "game/CGame.h"

namespace {
// How long a conversation box stays up; the HUD runs it down and ends it.
const float CONVERSATION_SECONDS = 6.5f;
}

// Opens (or refreshes) the conversation box with a speaker's portrait and
// text at full time: talking to characters, area messages, script speech and
// the hospital revival all start it here.
void CGame::showConversation(const std::string& text, int portrait)
{
    talkingConversation = text;
    talkingPortrait = portrait;
    talkTimer = CONVERSATION_SECONDS;
    bIsTalking = true;
}
