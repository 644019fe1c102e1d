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

namespace {
// The game functions are registered with the game as their user pointer;
// without a game (the script host's own tests) they do nothing.
CGame* gameOf(void* user)
{
    return static_cast<CGame*>(user);
}

int fontPrint(State* S, int n, void* user)
{
    Value a[3];
    if (!takeHostArguments(S, n, 3, a))
        return 0;
    if (CGame* game = gameOf(user)) {
        game->devices.font->setFontColour(255, 255, 255);
        game->devices.font->print(a[0].GetStr(), a[1].GetInt(), a[2].GetInt());
    }
    return returnEmpty(S);
}

int drawSprite(State* S, int n, void* user)
{
    Value a[5];
    if (!takeHostArguments(S, n, 5, a))
        return 0;
    if (CGame* game = gameOf(user))
        game->devices.actorSprites->drawSprite(a[0].GetInt(), a[1].GetInt(), a[2].GetInt(),
                                       a[3].GetInt(), a[4].GetInt(), 0.0f);
    return returnEmpty(S);
}

int playSample(State* S, int n, void* user)
{
    Value a[2];
    if (!takeHostArguments(S, n, 2, a))
        return 0;
    if (CGame* game = gameOf(user)) {
        int loops = a[1].GetInt();
        if (loops > 0)
            game->devices.sfx->loopSample((unsigned)a[0].GetInt(), loops);
        else
            game->devices.sfx->playSample((unsigned)a[0].GetInt());
    }
    return returnEmpty(S);
}

int changeTile(State* S, int n, void* user)
{
    Value a[3];
    if (!takeHostArguments(S, n, 3, a))
        return 0;
    if (CGame* game = gameOf(user))
        game->theMap->setTileAt(a[0].GetInt(), a[1].GetInt(), a[2].GetInt());
    return returnEmpty(S);
}

int getTile(State* S, int n, void* user)
{
    Value a[2];
    if (!takeHostArguments(S, n, 2, a))
        return 0;
    CGame* game = gameOf(user);
    S->Push(Value((double)(game ? game->theMap->getTileAt(a[0].GetInt(), a[1].GetInt()) : 0)));
    return 1;
}

// Only a request: the cut-scene starts once the running script has ended.
int playCinema(State* S, int n, void* user)
{
    Value a[1];
    if (!takeHostArguments(S, n, 1, a))
        return 0;
    if (CGame* game = gameOf(user)) {
        game->play.shouldLoadCinema = true;
        game->play.cinemaName = a[0].GetStr();
    }
    return returnEmpty(S);
}

int scrollyText(State* S, int n, void* user)
{
    Value a[2];
    if (!takeHostArguments(S, n, 2, a))
        return 0;
    if (CGame* game = gameOf(user)) {
        ScrollingText text(game->devices.font.get(), a[0].GetStr().c_str(), game->scrWidth,
                           game->scrHeight, game->devices.actorSprites.get(), a[1].GetInt(),
                           game->devices.io.get(), [game] { game->clearScreen(); });
        text.displayLoop();
    }
    return returnEmpty(S);
}

int npcSay(State* S, int n, void* user)
{
    Value a[2];
    if (!takeHostArguments(S, n, 2, a))
        return 0;
    if (CGame* game = gameOf(user))
        game->showConversation(atSignsToLineBreaks(a[1].GetStr()), a[0].GetInt());
    fflush(stdout);
    return returnEmpty(S);
}

int engineExec(State* S, int n, void* user)
{
    Value a[1];
    if (!takeHostArguments(S, n, 1, a))
        return 0;
    if (CGame* game = gameOf(user))
        game->processConsole(a[0].GetStr());
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

void addGameFunctions(ScriptManager* core, CGame* game)
{
    using MorScript::PARAMS_EXACT;
    core->addFunction("prettyprint", fontPrint, 3, PARAMS_EXACT, game);
    core->addFunction("drawSprite", drawSprite, 5, PARAMS_EXACT, game);
    core->addFunction("playSample", playSample, 2, PARAMS_EXACT, game);
    core->addFunction("changeTile", changeTile, 3, PARAMS_EXACT, game);
    core->addFunction("getTile", getTile, 2, PARAMS_EXACT, game);
    core->addFunction("playCinema", playCinema, 1, PARAMS_EXACT, game);
    core->addFunction("scrollyText", scrollyText, 2, PARAMS_EXACT, game);
    core->addFunction("say", npcSay, 2, PARAMS_EXACT, game);
    core->addFunction("engineExec", engineExec, 1, PARAMS_EXACT, game);
    // Lets a script leave a trace in morscript-log.txt.
    core->addFunction("print", logprint, 1, PARAMS_EXACT, core);
}

// Cut-scene speech goes to the conversation box; the cut-scene waits on it.
void CGame::scriptEngineInterface()
{
    script->speechHook = [this](const std::string& text, int portrait) {
        showConversation(text, portrait);
    };
    script->talkingHook = [this] { return play.bIsTalking; };
    addGameFunctions(script.get(), this);
}
