#include "game/CGame.h"

#include <cstdio>

#include "game/flow/ScrollingText.h"
#include "audio/SoundEffectManager.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "script/HostArguments.h"
#include "game/script/ScriptBindings.h"
#include "script/ScriptManager.h"
#include "world/Map.h"

using MorScript::State;
using MorScript::Value;

namespace ScriptContext {
SpriteManager* sprites = nullptr;
SoundEffectManager* sound = nullptr;
Map* ourMap = nullptr;
CGame* publics = nullptr;
KelBitmapFont* scriptFont = nullptr;
cinemaStruct ourCinema;
screenStruct ourScreen;
talkStruct TalkVarsStruct;
} // namespace ScriptContext

using namespace ScriptContext;

namespace {
void showSpeech(const std::string& text, int portrait)
{
    if (publics)
        publics->showConversation(text, portrait);
}

int fontPrint(State* S, int n, void*)
{
    Value a[3];
    if (!takeHostArguments(S, n, 3, a))
        return 0;
    if (scriptFont) {
        scriptFont->setFontColour(255, 255, 255);
        scriptFont->print(a[0].GetStr(), a[1].GetInt(), a[2].GetInt());
    }
    return returnEmpty(S);
}

int drawSprite(State* S, int n, void*)
{
    Value a[5];
    if (!takeHostArguments(S, n, 5, a))
        return 0;
    if (sprites)
        sprites->drawSprite(a[0].GetInt(), a[1].GetInt(), a[2].GetInt(), a[3].GetInt(),
                            a[4].GetInt(), 0.0f);
    return returnEmpty(S);
}

int playSample(State* S, int n, void*)
{
    Value a[2];
    if (!takeHostArguments(S, n, 2, a))
        return 0;
    if (sound) {
        int loops = a[1].GetInt();
        if (loops > 0)
            sound->loopSample((unsigned)a[0].GetInt(), loops);
        else
            sound->playSample((unsigned)a[0].GetInt());
    }
    return returnEmpty(S);
}

int changeTile(State* S, int n, void*)
{
    Value a[3];
    if (!takeHostArguments(S, n, 3, a))
        return 0;
    if (ourMap)
        ourMap->setTileAt(a[0].GetInt(), a[1].GetInt(), a[2].GetInt());
    return returnEmpty(S);
}

int getTile(State* S, int n, void*)
{
    Value a[2];
    if (!takeHostArguments(S, n, 2, a))
        return 0;
    S->Push(Value((double)(ourMap ? ourMap->getTileAt(a[0].GetInt(), a[1].GetInt()) : 0)));
    return 1;
}

// Only a request: the cut-scene starts once the running script has ended.
int playCinema(State* S, int n, void*)
{
    Value a[1];
    if (!takeHostArguments(S, n, 1, a))
        return 0;
    if (ourCinema.shouldLoadCinema) {
        *ourCinema.shouldLoadCinema = true;
        *ourCinema.cinemaName = a[0].GetStr();
    }
    return returnEmpty(S);
}

int scrollyText(State* S, int n, void*)
{
    Value a[2];
    if (!takeHostArguments(S, n, 2, a))
        return 0;
    if (publics) {
        ScrollingText text(scriptFont, a[0].GetStr().c_str(), ourScreen.scrWidth,
                           ourScreen.scrHeight, sprites, a[1].GetInt(), publics->io.get(),
                           [game = publics] { game->clearScreen(); });
        text.displayLoop();
    }
    return returnEmpty(S);
}

int npcSay(State* S, int n, void*)
{
    Value a[2];
    if (!takeHostArguments(S, n, 2, a))
        return 0;
    showSpeech(atSignsToLineBreaks(a[1].GetStr()), a[0].GetInt());
    fflush(stdout);
    return returnEmpty(S);
}

int engineExec(State* S, int n, void*)
{
    Value a[1];
    if (!takeHostArguments(S, n, 1, a))
        return 0;
    if (publics)
        publics->processConsole(a[0].GetStr());
    return returnEmpty(S);
}
}

std::string atSignsToLineBreaks(std::string text)
{
    for (char& c : text)
        if (c == '@')
            c = '\\';
    return text;
}

void addGameFunctions(ScriptManager* core)
{
    using MorScript::PARAMS_EXACT;
    core->addFunction("prettyprint", fontPrint, 3, PARAMS_EXACT);
    core->addFunction("drawSprite", drawSprite, 5, PARAMS_EXACT);
    core->addFunction("playSample", playSample, 2, PARAMS_EXACT);
    core->addFunction("changeTile", changeTile, 3, PARAMS_EXACT);
    core->addFunction("getTile", getTile, 2, PARAMS_EXACT);
    core->addFunction("playCinema", playCinema, 1, PARAMS_EXACT);
    core->addFunction("scrollyText", scrollyText, 2, PARAMS_EXACT);
    core->addFunction("say", npcSay, 2, PARAMS_EXACT);
    core->addFunction("engineExec", engineExec, 1, PARAMS_EXACT);
    // Lets a script leave a trace in morscript-log.txt.
    core->addFunction("print", logprint, 1, PARAMS_EXACT);
}

void CGame::scriptEngineInterface()
{
    using namespace ScriptContext;
    sprites = actorSprites.get();
    sound = sfx.get();
    ourMap = theMap.get();
    publics = this;
    scriptFont = font.get();
    ourCinema.shouldLoadCinema = &shouldLoadCinema;
    ourCinema.cinemaName = &cinemaName;
    ourScreen.scrWidth = scrWidth;
    ourScreen.scrHeight = scrHeight;
    TalkVarsStruct.conversationContent = &talkingConversation;
    TalkVarsStruct.talkingPortrait = &talkingPortrait;
    TalkVarsStruct.talkTimer = &talkTimer;
    TalkVarsStruct.bIsTalking = &bIsTalking;
    addGameFunctions(script.get());
}

void ScriptManager::npcSpeech(const std::string& text, int portrait)
{
    showSpeech(text, portrait);
}

bool ScriptManager::isTalking()
{
    return TalkVarsStruct.bIsTalking && *TalkVarsStruct.bIsTalking;
}
