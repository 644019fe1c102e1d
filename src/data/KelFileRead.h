#pragma once
// Reader for the game's key=value text files (actor, weapon and tuning
// definitions). Values are looked up by key; every lookup scans the whole
// file from its start, and the first line that begins with the key wins.
#include <fstream>
#include <map>
#include <string>

class KelFileRead {
public:
    KelFileRead();
    explicit KelFileRead(const char* filename);
    virtual ~KelFileRead();

    // Opens a file for reading; returns true when the open FAILED.
    bool openFile(const char* name);
    bool isOkay() const;

    // Raw text after the first "=" of the first line starting with
    // searchFor, or "" when there is none (or no "=" on that line, or no file).
    std::string getIdentifier(const std::string& searchFor);

    // Assigns a non-empty value; leaves toChange alone otherwise. Silent.
    void getStringFromFile(std::string& toChange, const std::string& name);
    // Positive values are assigned; 0 or less leave toChange alone; a missing
    // key prints "Couldn't find identifier" and sets toChange to 0.
    void getIntFromFile(int& toChange, const std::string& name);
    // Non-zero integer is true; missing, zero, negative or non-numeric: false.
    void getBoolFromFile(bool& val, const std::string& searchFor);
    // Every "key=value" line of the file into map (later lines overwrite).
    void dumpToIntMap(std::map<std::string, int>& map);

    static bool lineStartsWith(const std::string& line, const std::string& searchFor);
    static bool lineContains(const std::string& line, const std::string& searchFor);

    void close();

    bool bOkay;

protected:
    void rewind();

    std::ifstream file;
};
