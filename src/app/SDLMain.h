#pragma once
#include <string>

#include "data/UserFiles.h"

// Every data path of the game is relative to the game folder, the folder
// that holds "data". Finds it in the documented order (dataOption is the
// --data value, "" when not given), makes it the working folder and decides
// where user files go. Returns false, after listing every place it looked,
// when no place holds the data.
bool enterGameFolder(const std::string& dataOption, const char* argv0, UserFiles& files);

// The installed data folder, as the help text names it.
std::string installedDataFolder();
