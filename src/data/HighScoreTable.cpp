#include "data/HighScoreTable.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sstream>

#include "data/DataFile.h"

const char* const HighScoreTable::HEADER = "LARDER2 SURVIVAL HIGHSCORES 1";

namespace {
bool better(const HighScore& a, const HighScore& b)
{
    if (a.kills != b.kills)
        return a.kills > b.kills;
    return a.seconds > b.seconds;
}

bool isDate(const std::string& s)
{
    if (s.size() != 10 || s[4] != '-' || s[7] != '-')
        return false;
    for (size_t i = 0; i < s.size(); i++) {
        if (i != 4 && i != 7 && (s[i] < '0' || s[i] > '9'))
            return false;
    }
    return true;
}

// "kills seconds date ranking words": false when any part is missing or wrong.
bool parseLine(const std::string& line, HighScore& out)
{
    std::istringstream in(line);
    long kills = -1, seconds = -1;
    std::string date;
    if (!(in >> kills >> seconds >> date) || kills < 0 || seconds < 0 || kills > 1000000 ||
        seconds > 100000000 || !isDate(date))
        return false;
    std::string ranking;
    std::getline(in >> std::ws, ranking);
    // Cut to length, and without trailing blanks (a stray CR), so that the
    // word reads back the same once saved.
    if (ranking.size() > HighScoreTable::MAX_RANKING)
        ranking.resize(HighScoreTable::MAX_RANKING);
    while (!ranking.empty() && isspace((unsigned char)ranking.back()))
        ranking.pop_back();
    if (ranking.empty())
        return false;
    out.kills = (int)kills;
    out.seconds = (int)seconds;
    out.date = date;
    out.ranking = ranking;
    return true;
}

// The whole file, or false with the system's reason.
bool readSmallFile(FILE* file, std::string& text, size_t limit, std::string& problem)
{
    char chunk[4096];
    size_t n;
    while (text.size() <= limit && (n = fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, n);
    if (!ferror(file))
        return true;
    problem = std::string("cannot read it: ") + strerror(errno);
    return false;
}
}

int HighScoreTable::insert(const HighScore& run)
{
    size_t at = 0;
    while (at < entries.size() && !better(run, entries[at]))
        at++;
    if (at >= (size_t)SIZE)
        return -1;
    entries.insert(entries.begin() + (long)at, run);
    if (entries.size() > (size_t)SIZE)
        entries.resize(SIZE);
    return (int)at;
}

HighScoreTable::LoadResult HighScoreTable::load(const std::string& path, std::string& problem)
{
    entries.clear();
    std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(path.c_str(), "rb"), fclose);
    if (!file && errno == ENOENT)
        return READ; // no table yet
    if (!file) {
        problem = std::string("cannot read it: ") + strerror(errno);
        return UNREADABLE;
    }
    std::string text;
    if (!readSmallFile(file.get(), text, MAX_FILE_BYTES, problem))
        return UNREADABLE;
    if (text.size() > MAX_FILE_BYTES) {
        problem = "damaged high-score table";
        return DAMAGED;
    }
    std::istringstream in(text);
    std::string line;
    // Lines may end in CR LF (a table edited elsewhere); blank lines are skipped.
    auto nextLine = [&] {
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.find_first_not_of(" \t") != std::string::npos)
                return true;
        }
        return false;
    };
    if (!nextLine() || line != HEADER) {
        problem = "not a high-score table";
        return DAMAGED;
    }
    std::vector<HighScore> read;
    while (nextLine()) {
        HighScore run;
        if (!parseLine(line, run) || read.size() >= (size_t)SIZE ||
            (!read.empty() && better(run, read.back()))) {
            problem = "damaged high-score table";
            return DAMAGED;
        }
        read.push_back(run);
    }
    entries = read;
    return READ;
}

bool HighScoreTable::save(const std::string& path, std::string& problem) const
{
    std::ostringstream out;
    out << HEADER << "\n";
    for (const HighScore& run : entries)
        out << run.kills << " " << run.seconds << " " << run.date << " " << run.ranking << "\n";
    return writeFileAtomically(path, out.str(), problem);
}
