#pragma once
// The game's side of the script engine: one script state at a time, the game
// functions registered into it, a script file compiled into it and run.
#include <cstdio>
#include <string>

#include "morscript/State.h"
#include "script/ScriptIO.h"

// The append-only script log "morscript-log.txt", open while a manager lives.
extern FILE* logFile;

// Appends its one argument's text to the script log.
int logprint(MorScript::State* S, int argumentCount, void* user);

class ScriptManager {
public:
    // Opens the log at logPath; "" leaves the game without a log (the
    // reason has been reported).
    explicit ScriptManager(const std::string& logPath = LOG_NAME);
    ~ScriptManager();
    ScriptManager(const ScriptManager&) = delete;
    ScriptManager& operator=(const ScriptManager&) = delete;

    MorScript::State* getState();
    // Replaces the state by a fresh one: compiling into a used state would
    // append to its old program.
    void reset();
    void addFunction(const char* name, MorScript::HostFunction function, int params,
                     MorScript::PARAM_LIMIT limit);
    // Compiles without running: 1 when the script compiled, else 0.
    int loadScript(const char* path);
    // Compiles and runs to the end within this call. False when the script
    // had to be stopped for running longer than MAX_SCRIPT_OPCODES.
    bool execScript(const char* path, bool verbose);
    // Runs at most `count` opcodes; the result of State::Step.
    int stepScript(int count);
    // True while a script is being stepped: the state must then stay.
    bool isRunning() const { return running > 0; }

    // The conversation box, for cut-scene speech.
    void npcSpeech(const std::string& text, int portrait);
    bool isTalking();

    MorScript::State* state = nullptr;

    static constexpr const char* LOG_NAME = "morscript-log.txt";

    // Opcodes a script run to its end may take before it is taken for an
    // endless loop and stopped, so that a faulty script cannot hang the game.
    static const int MAX_SCRIPT_OPCODES = 10000000;

private:
    int compile(const char* path);
    int running = 0;
    // Compile and run-time errors of every state go to the console.
    MyOutputter outputter;
};
