#include "data/KelFileRead.h"

#include <cstdio>
#include <cstdlib>

#include "data/DataFile.h"

KelFileRead::KelFileRead() : bOkay(false) {}

KelFileRead::KelFileRead(const char* filename) : bOkay(false)
{
    openFile(filename);
}

KelFileRead::~KelFileRead()
{
    close();
}

bool KelFileRead::openFile(const char* name)
{
    if (file.is_open())
        file.close();
    file.clear();
    // A folder opens on some systems but reads as an empty file: refuse it.
    bOkay = openDataFile(file, name) && file.good();
    return !bOkay;
}

bool KelFileRead::isOkay() const
{
    return bOkay;
}

void KelFileRead::rewind()
{
    // Clear the end-of-file state of an earlier scan before seeking, so each
    // lookup sees the whole file whatever was looked up before.
    file.clear();
    file.seekg(0, std::ios::beg);
}

// Lines are read whole with std::getline, whatever their length: a line
// longer than the format's 199 characters is matched on its full text, and
// reading always goes on to the next line, so an over-long line can neither
// hang the scan nor end it early.
std::string KelFileRead::getIdentifier(const std::string& searchFor)
{
    if (!bOkay)
        return "";
    rewind();
    std::string line;
    while (std::getline(file, line)) {
        if (lineContains(line, searchFor) && lineStartsWith(line, searchFor)) {
            std::string::size_type eq = line.find('=');
            // A line that starts with the key but has no "=" has an empty
            // value, which reads like a missing key.
            if (eq == std::string::npos)
                return "";
            return line.substr(eq + 1);
        }
    }
    return "";
}

void KelFileRead::getStringFromFile(std::string& toChange, const std::string& name)
{
    if (!bOkay)
        return;
    std::string value = getIdentifier(name);
    if (!value.empty())
        toChange = value;
}

void KelFileRead::getIntFromFile(int& toChange, const std::string& name)
{
    if (!bOkay)
        return;
    std::string value = getIdentifier(name);
    if (value.empty()) {
        printf("Couldn't find identifier %s\n", name.c_str());
        toChange = 0;
        return;
    }
    int number = atoi(value.c_str());
    if (number > 0)
        toChange = number;
}

void KelFileRead::getBoolFromFile(bool& val, const std::string& searchFor)
{
    int number = 0;
    getIntFromFile(number, searchFor);
    val = (number != 0);
}

void KelFileRead::dumpToIntMap(std::map<std::string, int>& map)
{
    if (!bOkay)
        return;
    rewind();
    std::string line;
    while (std::getline(file, line)) {
        std::string::size_type eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = line.substr(0, eq);
        int value = atoi(line.c_str() + eq + 1);
        map[key] = value;
        printf("Assigning value %i to key %s\n", value, key.c_str());
    }
}

bool KelFileRead::lineStartsWith(const std::string& line, const std::string& searchFor)
{
    return line.compare(0, searchFor.size(), searchFor) == 0;
}

bool KelFileRead::lineContains(const std::string& line, const std::string& searchFor)
{
    return line.find(searchFor) != std::string::npos;
}

void KelFileRead::close()
{
    if (file.is_open())
        file.close();
    bOkay = false;
}
