#include "script/ScriptManager.h"

#include <cerrno>
#include <cstring>
#include <ctime>

#include "data/DataFile.h"

#include "script/ScriptIO.h"

namespace {
const char* const SOURCE = "ScriptManager";
}

void ScriptManager::appendToLog(const std::string& text)
{
    std::string reason;
    if (!logFile || appendWhole(logFile, text, reason) || logFailureTold)
        return;
    fprintf(stderr, "%s: Cannot write %s: %s; the log misses what follows\n", SOURCE,
            logName.c_str(), reason.c_str());
    logFailureTold = true;
}

int logprint(MorScript::State* S, int argumentCount, void* user)
{
    if (argumentCount < 1)
        return 0;
    MorScript::Value v = S->Pop();
    if (user)
        static_cast<ScriptManager*>(user)->appendToLog(v.GetStr());
    S->Push(MorScript::Value(""));
    return 1;
}

ScriptManager::ScriptManager(const std::string& logPath)
{
    printf("ScriptManager(): Adding builtin 'print' function\n");
    if (!logPath.empty()) {
        logFile = fopen(logPath.c_str(), "a");
        logName = logPath;
        if (!logFile)
            fprintf(stderr, "%s: Cannot open %s for appending: %s\n", SOURCE, logPath.c_str(),
                    strerror(errno));
    }
    if (logFile) {
        time_t now = time(nullptr);
        appendToLog(std::string("MorScript 0.26 initialized for Larder 2 at ") + ctime(&now));
    }
}

ScriptManager::~ScriptManager()
{
    if (logFile)
        fclose(logFile);
}

MorScript::State* ScriptManager::getState()
{
    return state.get();
}

void ScriptManager::reset()
{
    if (state) {
        printf("%s: Stale state found, resetting\n", SOURCE);
        state.reset();
    }
    state = std::make_unique<MorScript::State>();
    printf("%s: New state successfully created...\n", SOURCE);
}

void ScriptManager::addFunction(const char* name, MorScript::HostFunction function, int params,
                                MorScript::PARAM_LIMIT limit, void* user)
{
    if (state)
        state->AddFunc(name, function, params, limit, user);
}

void ScriptManager::npcSpeech(const std::string& text, int portrait)
{
    if (speechHook)
        speechHook(text, portrait);
}

bool ScriptManager::isTalking()
{
    return talkingHook && talkingHook();
}

int ScriptManager::compile(const char* path)
{
    if (!state)
        return 0;
    MyInputter in(path);
    // Compiling nothing would succeed: a script that cannot be read is a
    // failed load, not an empty program.
    if (!in.isOpen()) {
        fprintf(stderr, "%s: Cannot open script %s\n", SOURCE, path);
        return 0;
    }
    return state->Create(&in, &outputter, nullptr);
}

int ScriptManager::loadScript(const char* path)
{
    if (!compile(path))
        return 0;
    printf("Script loading successful from %s\n", path);
    return 1;
}

int ScriptManager::stepScript(int count)
{
    if (!state)
        return 0;
    running++;
    // Memory running out inside a script (a text doubled without end, a host
    // function's allocation) is a run-time error of that script: the state
    // reports it and stops, and the game goes on.
    int result = state->Step(count);
    running--;
    return result;
}

bool ScriptManager::execScript(const char* path, bool verbose)
{
    int opcodes = 0;
    bool ranAway = false;
    if (compile(path)) {
        while (stepScript(1) != 0) {
            if (++opcodes >= MAX_SCRIPT_OPCODES) {
                fprintf(stderr, "%s: script %s stopped after %i opcodes without ending\n", SOURCE,
                        path, opcodes);
                state->MoveToEnd();
                ranAway = true;
                break;
            }
        }
    }
    if (verbose)
        printf("script %s executed. %i opcodes completed\n", path, opcodes);
    return !ranAway;
}
