#pragma once
// The game functions scripts call. Host functions receive no game pointer, so
// they reach the game through these context pointers, which
// CGame::scriptEngineInterface points at the game's parts before registering.
#include <string>

#include "morscript/State.h"

class CGame;
class KelBitmapFont;
class Map;
class ScriptManager;
class SoundEffectManager;
class SpriteManager;

struct cinemaStruct {
    bool* shouldLoadCinema = nullptr;
    std::string* cinemaName = nullptr;
};

// Copies taken at registration time.
struct screenStruct {
    int scrWidth = 0;
    int scrHeight = 0;
};

// The conversation box.
struct talkStruct {
    std::string* conversationContent = nullptr;
    int* talkingPortrait = nullptr;
    float* talkTimer = nullptr;
    bool* bIsTalking = nullptr;
};

namespace ScriptContext {
extern SpriteManager* sprites;
extern SoundEffectManager* sound;
extern Map* ourMap;
extern CGame* publics;
extern KelBitmapFont* scriptFont;
extern cinemaStruct ourCinema;
extern screenStruct ourScreen;
extern talkStruct TalkVarsStruct;
} // namespace ScriptContext

// Registers the game functions into the manager's state, in their fixed
// order, then the log's "print".
void addGameFunctions(ScriptManager* core);

// A said line: every at sign becomes the fonts' line break.
std::string atSignsToLineBreaks(std::string text);
