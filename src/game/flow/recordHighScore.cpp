#include "game/CGame.h"

#include <cstdio>
#include <ctime>

#include "data/HighScoreTable.h"
#include "game/sim/survivalRanking.h"

// Reads the high-score table and enters the survival run just ended; returns
// the run's place, or -1 when it is not among the best. A damaged or foreign
// table is reported and replaced by a new one; one that cannot be read is
// reported and left alone.
int CGame::recordHighScore(HighScoreTable& table)
{
    // A user file: beside the game when its folder is writable, else in the
    // user folder.
    std::string highScorePath = files.writePath("highscores.txt");
    std::string problem;
    HighScoreTable::LoadResult loaded = table.load(highScorePath, problem);
    if (loaded == HighScoreTable::DAMAGED)
        fprintf(stderr, "WARN) %s: %s; a new table replaces it\n", highScorePath.c_str(),
                problem.c_str());
    if (loaded == HighScoreTable::UNREADABLE)
        fprintf(stderr, "WARN) %s: %s; it is left as it is and this run is not saved\n",
                highScorePath.c_str(), problem.c_str());

    HighScore run;
    run.kills = play.survival.score;
    run.seconds = play.survival.minutes * 60 + play.survival.seconds;
    run.ranking = survivalRanking(play.survival.score);
    time_t now = time(nullptr);
    char date[32];
    strftime(date, sizeof date, "%Y-%m-%d", localtime(&now));
    run.date = date;
    int place = table.insert(run);

    if (place >= 0 && bKeepHighScores && loaded != HighScoreTable::UNREADABLE &&
        !highScorePath.empty() && !table.save(highScorePath, problem))
        fprintf(stderr, "WARN) Couldn't save the high scores to %s: %s\n", highScorePath.c_str(),
                problem.c_str());
    return place;
}
