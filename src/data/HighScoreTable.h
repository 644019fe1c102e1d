#pragma once
#include <cstddef>
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
    // A longer ranking word read from the file is cut to this length.
    static constexpr size_t MAX_RANKING = 32;
    // A larger file is no table of ten runs.
    static constexpr size_t MAX_FILE_BYTES = 65536;

    std::vector<HighScore> entries;

    // Puts a run in its place; returns its index, or -1 when it is not among
    // the ten best (the table is then unchanged).
    int insert(const HighScore& run);

    enum LoadResult {
        READ,      // read, or no table yet (an empty table)
        DAMAGED,   // damaged or foreign: the next save replaces it
        UNREADABLE // there but not readable: it must not be replaced
    };
    // Reads the table; the table is empty unless the result is READ, and
    // `problem` says why. Lines may end in CR LF; blank lines are skipped.
    LoadResult load(const std::string& path, std::string& problem);
    // Writes the table through a temporary file that then takes the name, so
    // that a failed save never leaves half a table. False with the reason.
    bool save(const std::string& path, std::string& problem) const;
};
