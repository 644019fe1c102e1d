#pragma once
// The game's command line. Each option is one line of the table in
// CommandLine.cpp: its name, its argument, its help line and what it sets.
#include <optional>
#include <string>

struct CommandLine {
    enum Action { PLAY, SHOW_HELP, SHOW_VERSION, FAIL };
    Action action = PLAY;
    std::string dataFolder;         // --data DIR: the folder that holds data/
    std::optional<bool> fullscreen; // --fullscreen / --windowed; unset: config.cfg decides
    int scale = 0;                  // --scale N, 1 to 4; 0: config.cfg decides
    std::string recordPath;         // --record FILE: record the first game played
    std::string replayPath;         // --replay FILE: play a recorded game and exit
    std::string error;              // what was wrong, when action is FAIL
};

// Options may be given as "--name VALUE" or "--name=VALUE".
CommandLine parseCommandLine(int argc, const char* const* argv);

// The --help text: usage, options, where the data is looked for and where
// user files go. installedData is the installed data folder.
std::string usageText(const std::string& installedData);
