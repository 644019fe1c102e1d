#include "app/SDLMain.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

#include "data/DataPaths.h"

// Where `cmake --install` puts the data: the absolute folder, and the same
// folder relative to the installed executable (so a relocated install works).
#ifndef LARDER_INSTALLED_DATA
#define LARDER_INSTALLED_DATA "/usr/local/share/games/larder2"
#endif
#ifndef LARDER_INSTALLED_DATA_FROM_BIN
#define LARDER_INSTALLED_DATA_FROM_BIN "../share/games/larder2"
#endif

namespace {

std::string executableFolder(const char* argv0)
{
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    std::string path = n > 0 ? std::string(buf.data(), (size_t)n) : (argv0 ? argv0 : "");
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string workingFolder()
{
    std::vector<char> cwd(4096);
    return getcwd(cwd.data(), cwd.size()) ? cwd.data() : ".";
}

}

std::string installedDataFolder()
{
    return LARDER_INSTALLED_DATA;
}

bool enterGameFolder(const std::string& dataOption, const char* argv0, UserFiles& files)
{
    const char* variable = getenv("LARDER2_DATA");
    std::string here = workingFolder();
    std::string exeDir = executableFolder(argv0);
    std::vector<DataPlace> places =
        dataSearchOrder(dataOption, variable ? variable : "", here, exeDir,
                        exeDir + "/" + LARDER_INSTALLED_DATA_FROM_BIN, LARDER_INSTALLED_DATA);
    int found = findGameFolder(places);
    if (found < 0) {
        fputs(noDataMessage(places).c_str(), stderr);
        return false;
    }
    // A folder asked for by name that holds no data is worth a word.
    for (int i = 0; i < found; i++) {
        if (places[i].kind == DataPlace::NAMED)
            fprintf(stderr, "WARN) %s (%s) holds no %s\n", places[i].folder.c_str(),
                    places[i].reason.c_str(), DATA_MARKER);
    }
    const DataPlace& place = places[found];
    if (place.folder != here) {
        if (chdir(place.folder.c_str()) != 0) {
            fprintf(stderr, "Couldn't enter the game folder %s\n", place.folder.c_str());
            return false;
        }
        printf("Playing with the data in %s (%s)\n", place.folder.c_str(), place.reason.c_str());
    }
    // The installed data belongs to the system, even for a user who could
    // write to it.
    bool writable = place.kind != DataPlace::INSTALLED && UserFiles::writable(".");
    files = UserFiles::choose(writable, UserEnvironment::current());
    if (!files.inGameFolder())
        printf("User files go to %s\n",
               files.folder().empty() ? "(nowhere: HOME is not set)" : files.folder().c_str());
    return true;
}
