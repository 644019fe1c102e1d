#pragma once
#include <string>
#include <vector>

// One finished survival run.
struct HighScore {
    int kills = 0;
    int seconds = 0;     // time survived
    std::string date;    // "YYYY-MM-DD"
    std::string ranking; // the ranking word the run earned
};

// The ten best survival runs, best first: more kills rank higher, then a
// longer time; a new run goes below older runs that it only equals. The file
// is text: a version line, then one run per line.
class HighScoreTable {
public:
    static const int SIZE = 10;
    static const char* const HEADER;

    std::vector<HighScore> entries;

    // Puts a run in its place; returns its index, or -1 when it is not among
    // the ten best (the table is then unchanged).
    int insert(const HighScore& run);

    // Reads the table. A missing file is an empty table; a damaged or foreign
    // one also gives an empty table and returns false with the reason, so
    // that the next save replaces it.
    bool load(const std::string& path, std::string& problem);
    // Writes the table through a temporary file that then takes the name, so
    // that a failed save never leaves half a table. False with the reason.
    bool save(const std::string& path, std::string& problem) const;
};
