#include "data/DataPaths.h"

#include <cstdlib>
#include <sys/stat.h>

const char* const DATA_MARKER = "data/map0.dat";

namespace {
std::string realFolder(const std::string& folder)
{
    char* resolved = realpath(folder.c_str(), nullptr);
    if (!resolved)
        return folder;
    std::string path = resolved;
    free(resolved);
    return path;
}
}

std::vector<DataPlace> dataSearchOrder(const std::string& option, const std::string& variable,
                                       const std::string& workingFolder, const std::string& exeFolder,
                                       const std::string& installedFromExe,
                                       const std::string& installedAbsolute)
{
    std::vector<DataPlace> places;
    std::vector<std::string> real; // the places' real paths, to spot one folder under two names
    auto add = [&](const std::string& folder, const char* reason, DataPlace::Kind kind) {
        if (folder.empty())
            return;
        std::string key = realFolder(folder);
        for (size_t i = 0; i < places.size(); i++) {
            if (real[i] == key) {
                // The installed data stays the system's, whatever it was called.
                if (kind == DataPlace::INSTALLED)
                    places[i].kind = kind;
                return;
            }
        }
        places.push_back({folder, reason, kind});
        real.push_back(key);
    };
    add(option, "--data", DataPlace::NAMED);
    add(variable, "LARDER2_DATA", DataPlace::NAMED);
    add(workingFolder, "working folder", DataPlace::BESIDE);
    add(exeFolder, "executable's folder", DataPlace::BESIDE);
    add(exeFolder.empty() ? "" : exeFolder + "/..", "executable's parent folder", DataPlace::BESIDE);
    add(installedFromExe, "installed data folder", DataPlace::INSTALLED);
    add(installedAbsolute, "installed data folder", DataPlace::INSTALLED);
    return places;
}

bool holdsGameData(const std::string& folder)
{
    struct stat st;
    std::string path = folder + "/" + DATA_MARKER;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int findGameFolder(const std::vector<DataPlace>& places)
{
    for (size_t i = 0; i < places.size(); i++) {
        if (holdsGameData(places[i].folder))
            return (int)i;
    }
    return -1;
}

std::string noDataMessage(const std::vector<DataPlace>& places)
{
    std::string text = std::string("Couldn't find the game's data (") + DATA_MARKER +
                       ") in any of these places:\n";
    for (const DataPlace& p : places)
        text += "  " + p.folder + " (" + p.reason + ")\n";
    text += "Name the folder that holds data/ with --data DIR or LARDER2_DATA.\n";
    return text;
}
