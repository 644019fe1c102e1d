#include "data/DataFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool pathExists(const char* path)
{
    struct stat info;
    return path && stat(path, &info) == 0;
}

bool isFolder(const char* path)
{
    struct stat info;
    return path && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool openDataFile(std::ifstream& in, const char* path)
{
    if (!path || isFolder(path))
        return false;
    in.open(path, std::ios::in | std::ios::binary);
    return in.is_open();
}

namespace {

// Writes everything, going on after short writes and interrupted calls.
bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += (size_t)n;
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error)
{
    // The temporary lies in the same folder, so the rename cannot cross
    // file systems and either the old or the new file is always whole.
    std::string temporary = path + ".saving-XXXXXX";
    int fd = mkstemp(&temporary[0]);
    if (fd < 0) {
        error = std::string("cannot create ") + temporary + ": " + strerror(errno);
        return false;
    }
    bool ok = writeAll(fd, bytes);
    if (!ok)
        error = std::string("cannot write ") + temporary + ": " + strerror(errno);
    if (ok && fsync(fd) != 0) {
        ok = false;
        error = std::string("cannot flush ") + temporary + ": " + strerror(errno);
    }
    // A map is not secret: give it the usual permissions, not mkstemp's 0600.
    if (ok)
        fchmod(fd, 0644);
    if (close(fd) != 0 && ok) {
        ok = false;
        error = std::string("cannot close ") + temporary + ": " + strerror(errno);
    }
    if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = std::string("cannot replace ") + path + ": " + strerror(errno);
    }
    if (!ok)
        unlink(temporary.c_str());
    return ok;
}
