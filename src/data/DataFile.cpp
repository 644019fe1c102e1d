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

int armedWriteError = 0;

// Writes everything, going on after short writes and interrupted calls. When
// tests have armed a failure, half of the bytes go out and the rest fail with
// it, as on a disk that fills up part-way.
bool writeAll(int fd, const std::string& bytes)
{
    size_t done = 0;
    size_t allowed = armedWriteError ? bytes.size() / 2 : bytes.size();
    while (done < bytes.size()) {
        if (done >= allowed) {
            errno = armedWriteError;
            return false;
        }
        ssize_t n = write(fd, bytes.data() + done, allowed - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += (size_t)n;
    }
    return true;
}

std::string reason(const char* step)
{
    return std::string(step) + ": " + strerror(errno);
}

} // namespace

void failWritesWith(int error)
{
    armedWriteError = error;
}

bool writeFileAtomically(const std::string& path, const std::string& bytes, std::string& error)
{
    // The temporary lies in the same folder, so the rename cannot cross
    // file systems and either the old or the new file is always whole.
    std::string temporary = path + ".saving-XXXXXX";
    int fd = mkstemp(&temporary[0]);
    if (fd < 0) {
        error = reason("cannot make a temporary file beside it");
        return false;
    }
    bool ok = writeAll(fd, bytes) && fsync(fd) == 0;
    if (!ok)
        error = strerror(errno);
    // Nothing written here is secret: the usual permissions, not mkstemp's 0600.
    if (ok)
        fchmod(fd, 0644);
    if (close(fd) != 0 && ok) {
        ok = false;
        error = strerror(errno);
    }
    if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = reason("cannot put the new file in its place");
    }
    if (!ok)
        unlink(temporary.c_str());
    return ok;
}

bool appendWhole(FILE* file, const std::string& bytes, std::string& error)
{
    int fd = fileno(file);
    struct stat before;
    if (fstat(fd, &before) != 0) {
        error = strerror(errno);
        return false;
    }
    if (writeAll(fd, bytes))
        return true;
    error = strerror(errno);
    // Cut off what did get written, so no half line is left at the end.
    if (ftruncate(fd, before.st_size) != 0)
        error += " (and the part written could not be cut off again)";
    return false;
}
