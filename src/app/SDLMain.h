#pragma once

// Every data path of the game is relative to the folder that holds "data".
// When the working directory has none, the game moves to the folder of its
// own executable, or that folder's parent, whichever holds "data". Returns
// false, after saying where it looked, when neither does.
bool findDataFolder(const char* argv0);
