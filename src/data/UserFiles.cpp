#include "data/UserFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

const char* const CONFIG_NAME = "config.cfg";

std::string variable(const char* name)
{
    const char* value = getenv(name);
    return value ? value : "";
}

// A base folder from an XDG variable, or HOME and the default below it.
// Relative values are ignored, as the XDG rules ask.
std::string xdgBase(const std::string& value, const std::string& home, const char* fallback)
{
    if (!value.empty() && value[0] == '/')
        return value;
    if (home.empty())
        return "";
    return home + "/" + fallback;
}

bool exists(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// True when the whole path and each of its names are short enough for the
// system to open.
bool usableLength(const std::string& path)
{
    if (path.size() >= PATH_MAX)
        return false;
    size_t start = 0;
    while (start < path.size()) {
        size_t end = std::min(path.find('/', start), path.size());
        if (end - start > NAME_MAX)
            return false;
        start = end + 1;
    }
    return true;
}

// Makes every missing folder of path, private to the user as the XDG rules
// ask; false, with errno set, on failure, after taking away the folders it
// made, so a failed attempt leaves nothing behind.
bool makeFolders(const std::string& path)
{
    std::vector<std::string> made;
    for (size_t i = 1; i <= path.size(); i++) {
        if (i < path.size() && path[i] != '/')
            continue;
        std::string part = path.substr(0, i);
        if (mkdir(part.c_str(), 0700) == 0) {
            made.push_back(part);
        } else if (errno != EEXIST) {
            int reason = errno;
            for (auto folder = made.rbegin(); folder != made.rend(); ++folder)
                rmdir(folder->c_str());
            errno = reason;
            return false;
        }
    }
    return true;
}

}

UserEnvironment UserEnvironment::current()
{
    return {variable("HOME"), variable("XDG_DATA_HOME"), variable("XDG_CONFIG_HOME")};
}

UserFiles UserFiles::choose(bool gameFolderWritable, const UserEnvironment& env)
{
    UserFiles files;
    std::string config = xdgBase(env.xdgConfigHome, env.home, ".config");
    if (!config.empty())
        files.configFolder = config + "/larder2";
    if (gameFolderWritable)
        return files;
    files.separate = true;
    std::string data = xdgBase(env.xdgDataHome, env.home, ".local/share");
    if (!data.empty())
        files.userFolder = data + "/larder2";
    return files;
}

bool UserFiles::writable(const std::string& folder)
{
    return access(folder.c_str(), W_OK) == 0 && access((folder + "/data").c_str(), W_OK) == 0;
}

std::string UserFiles::writePath(const std::string& name) const
{
    if (!separate)
        return name;
    if (userFolder.empty()) {
        fprintf(stderr, "Can't write %s: the game folder is read-only and neither XDG_DATA_HOME nor HOME is set\n",
                name.c_str());
        return "";
    }
    std::string path = userFolder + "/" + name;
    if (!usableLength(path)) {
        fprintf(stderr, "Can't write %s: the path %s is too long\n", name.c_str(), path.c_str());
        return "";
    }
    std::string parent = path.substr(0, path.rfind('/'));
    if (!makeFolders(parent)) {
        fprintf(stderr, "Can't write %s: can't make the folder %s: %s\n", name.c_str(), parent.c_str(),
                strerror(errno));
        return "";
    }
    return path;
}

std::string UserFiles::readPath(const std::string& name) const
{
    if (separate && !userFolder.empty() && exists(userFolder + "/" + name))
        return userFolder + "/" + name;
    return name;
}

std::string UserFiles::configPath() const
{
    // With user files in the game folder, its own file comes first.
    std::string own = separate ? (userFolder.empty() ? "" : userFolder + "/" + CONFIG_NAME) : CONFIG_NAME;
    std::string candidates[] = {own, configFolder.empty() ? "" : configFolder + "/" + CONFIG_NAME,
                                CONFIG_NAME};
    for (const std::string& path : candidates) {
        if (!path.empty() && exists(path))
            return path;
    }
    return CONFIG_NAME;
}
