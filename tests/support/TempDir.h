// A fresh temporary directory for tests that read and write files, removed
// with everything in it when the test ends. Header-only so the window-free
// unit tests can use it without the display-bound support library.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/larder-test-XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made)
            std::abort();  // nowhere safe to write: stop rather than touch the repository
        path = made;
    }
    ~TempDir() { std::filesystem::remove_all(path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The full name of a file in the directory.
    std::string file(const std::string& name) const { return path + "/" + name; }

    // Writes the bytes to the named file and returns its full name.
    std::string write(const std::string& name, const std::string& contents) const
    {
        std::string full = file(name);
        std::ofstream(full, std::ios::binary) << contents;
        return full;
    }

    std::string path;
};

// The whole contents of a file, or "" when it cannot be read.
inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
