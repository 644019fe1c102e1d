#pragma once
// Where the game's data folder is looked for. Every loader reads paths below
// "data/", relative to the game folder: the folder that holds "data".
#include <string>
#include <vector>

// The file whose presence marks a game folder.
extern const char* const DATA_MARKER;

// One place the data may be, and why it is looked at.
struct DataPlace {
    std::string folder;
    std::string reason;
    enum Kind { NAMED, BESIDE, INSTALLED };
    Kind kind = BESIDE; // named by the user, found beside the game, or installed
};

// The places, in the order they are tried: the --data option, the
// LARDER2_DATA variable, the working folder, the executable's folder and its
// parent, then the installed data folder (beside the executable's install
// prefix, then where CMake's install prefix put it). Empty option or variable
// values are left out, and so is a folder already listed under another name;
// a folder that is the installed one counts as installed under any name.
std::vector<DataPlace> dataSearchOrder(const std::string& option, const std::string& variable,
                                       const std::string& workingFolder, const std::string& exeFolder,
                                       const std::string& installedFromExe,
                                       const std::string& installedAbsolute);

// True when folder holds data/map0.dat.
bool holdsGameData(const std::string& folder);

// The index of the first place that holds the data, or -1.
int findGameFolder(const std::vector<DataPlace>& places);

// The message for when no place holds the data: every place tried.
std::string noDataMessage(const std::vector<DataPlace>& places);
