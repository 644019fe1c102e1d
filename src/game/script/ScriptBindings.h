#pragma once
// The game functions scripts call. Each reaches the game through the user
// pointer it is registered with.
#include <string>

class CGame;
class ScriptManager;

// Registers the game functions into the manager's state, in their fixed
// order, acting on `game` (nothing when null), then the log's "print".
void addGameFunctions(ScriptManager* core, CGame* game = nullptr);

// A said line: every at sign becomes the fonts' line break.
std::string atSignsToLineBreaks(std::string text);
