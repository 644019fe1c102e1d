#include "app/SDLMain.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

static bool holdsData(const std::string& dir)
{
    struct stat st;
    std::string path = dir.empty() ? "data" : dir + "/data";
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

static std::string executableFolder(const char* argv0)
{
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    std::string path = n > 0 ? std::string(buf.data(), (size_t)n) : (argv0 ? argv0 : "");
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool findDataFolder(const char* argv0)
{
    if (holdsData(""))
        return true;
    std::string exeDir = executableFolder(argv0);
    std::string candidates[] = {exeDir, exeDir + "/.."};
    for (const std::string& dir : candidates) {
        if (holdsData(dir) && chdir(dir.c_str()) == 0)
            return true;
    }
    std::vector<char> cwd(4096);
    fprintf(stderr, "Couldn't find the game's data folder: looked in %s/data, %s/data and %s/../data\n",
            getcwd(cwd.data(), cwd.size()) ? cwd.data() : ".", exeDir.c_str(), exeDir.c_str());
    return false;
}
