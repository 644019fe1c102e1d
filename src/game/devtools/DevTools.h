#pragma once
#include <string>
#include <vector>

#include "game/devtools/Editor.h"

// The developer console's input line, last command and output, and the map
// editor's state.
struct DevTools {
    std::string consoleLine;
    std::string lastLine;
    std::vector<std::string> consoleHistory;
    Editor ed;
};
