#include "data/HighScoreTable.h"

#include <cstdio>
#include <fstream>
#include <sstream>

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
    if (ranking.empty())
        return false;
    out.kills = (int)kills;
    out.seconds = (int)seconds;
    out.date = date;
    out.ranking = ranking;
    return true;
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

bool HighScoreTable::load(const std::string& path, std::string& problem)
{
    entries.clear();
    std::ifstream in(path);
    if (!in)
        return true;
    std::string line;
    if (!std::getline(in, line) || line != HEADER) {
        problem = "not a high-score table";
        return false;
    }
    std::vector<HighScore> read;
    while (std::getline(in, line)) {
        HighScore run;
        if (!parseLine(line, run) || read.size() >= (size_t)SIZE ||
            (!read.empty() && better(run, read.back()))) {
            problem = "damaged high-score table";
            return false;
        }
        read.push_back(run);
    }
    entries = read;
    return true;
}

bool HighScoreTable::save(const std::string& path, std::string& problem) const
{
    std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::trunc);
        if (!out.is_open()) {
            problem = "cannot write " + temporary;
            return false;
        }
        out << HEADER << "\n";
        for (const HighScore& run : entries)
            out << run.kills << " " << run.seconds << " " << run.date << " " << run.ranking << "\n";
        out.close();
        if (!out) {
            problem = "cannot write " + temporary;
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        problem = "cannot replace " + path;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}
