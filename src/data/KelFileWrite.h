#pragma once
// Writer for the game's key=value text files: one "key=value\n" line per call.
#include <fstream>
#include <string>

class KelFileWrite {
public:
    // Truncates name, or appends to it when append is true.
    KelFileWrite(const char* name, bool append);
    ~KelFileWrite();

    // False when the file could not be opened; writes are then dropped.
    bool isOkay() const;

    // Note the argument order: value first, key second.
    void putIntInFile(int value, const std::string& key);
    void putStringInFile(const std::string& value, const std::string& key);

    void close();

    bool bOkay;

private:
    std::ofstream file;
};
