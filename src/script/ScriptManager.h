#pragma once
// The game's side of the script engine: one script state at a time, the game
// functions registered into it, a script file compiled into it and run.
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "morscript/State.h"
#include "script/ScriptIO.h"

class CinemaScene;

// Appends its one argument's text to the script log of the ScriptManager
// registered as its user pointer.
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
    // `user` reaches the function with every call: what it acts on.
    void addFunction(const char* name, MorScript::HostFunction function, int params,
                     MorScript::PARAM_LIMIT limit, void* user = nullptr);
    // Compiles without running: 1 when the script compiled, else 0.
    int loadScript(const char* path);
    // Compiles and runs to the end within this call. False when the script
    // had to be stopped for running longer than MAX_SCRIPT_OPCODES.
    bool execScript(const char* path, bool verbose);
    // Runs at most `count` opcodes; the result of State::Step.
    int stepScript(int count);
    // True while a script is being stepped: the state must then stay.
    bool isRunning() const { return running > 0; }

    // The conversation box, for cut-scene speech: what the game hooked in
    // (nothing without a game).
    void npcSpeech(const std::string& text, int portrait);
    bool isTalking();
    std::function<void(const std::string& text, int portrait)> speechHook;
    std::function<bool()> talkingHook;

    // Appends the whole text to the script log, zero bytes included; a
    // failed write (a full disk) is reported once.
    void appendToLog(const std::string& text);

    std::unique_ptr<MorScript::State> state;
    // The cut-scene the cut-scene functions act on; the scene clears it when
    // it goes, so a script outliving its scene finds none.
    CinemaScene* cinema = nullptr;

    static constexpr const char* LOG_NAME = "morscript-log.txt";

    // Opcodes a script run to its end may take before it is taken for an
    // endless loop and stopped, so that a faulty script cannot hang the game.
    static const int MAX_SCRIPT_OPCODES = 10000000;

private:
    int compile(const char* path);
    int running = 0;
    // The append-only script log "morscript-log.txt", open while the manager lives.
    FILE* logFile = nullptr;
    std::string logName;         // the open log's path, for messages
    bool logFailureTold = false; // a failed write is reported once per log
    // Compile and run-time errors of every state go to the console.
    MyOutputter outputter;
};
