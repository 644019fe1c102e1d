// The survival high-score table: order, the tenth place, the file.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "TempDir.h"
#include "data/HighScoreTable.h"

namespace {

HighScore run(int kills, int seconds, const std::string& date = "2026-12-07")
{
    return HighScore{kills, seconds, date, "TRAINED KILLER"};
}

TEST(HighScoreTable, RunsRankByKillsThenTimeAndTheTenthPlaceIsTheLast)
{
    HighScoreTable t;
    EXPECT_EQ(t.insert(run(5, 60)), 0);
    EXPECT_EQ(t.insert(run(5, 90)), 0) << "same kills, longer time: above";
    EXPECT_EQ(t.insert(run(5, 60, "2026-12-08")), 2) << "an equal run goes below the older";
    EXPECT_EQ(t.insert(run(12, 10)), 0) << "more kills beat more time";
    for (int i = 0; i < 6; i++)
        t.insert(run(1, 100 - i));
    ASSERT_EQ(t.entries.size(), 10u);
    EXPECT_EQ(t.entries[9].seconds, 95);
    EXPECT_EQ(t.insert(run(1, 95)), -1) << "equal to the tenth: not in";
    EXPECT_EQ(t.insert(run(0, 500)), -1);
    EXPECT_EQ(t.insert(run(1, 96)), 9) << "better than the tenth: takes its place";
    EXPECT_EQ(t.entries.size(), 10u);
    EXPECT_EQ(t.entries[9].seconds, 96);
    EXPECT_EQ(t.entries[2].date, "2026-12-07");
}

TEST(HighScoreTable, SavedTableReadsBackAndDamagedFilesAreEmptyTables)
{
    TempDir dir;
    std::string path = dir.file("highscores.txt");
    HighScoreTable t;
    std::string problem;
    EXPECT_EQ(t.load(path, problem), HighScoreTable::READ) << "no file yet: an empty table";
    t.insert(run(30, 754));
    t.insert(run(3, 20));
    ASSERT_TRUE(t.save(path, problem)) << problem;
    HighScoreTable back;
    ASSERT_EQ(back.load(path, problem), HighScoreTable::READ) << problem;
    ASSERT_EQ(back.entries.size(), 2u);
    EXPECT_EQ(back.entries[0].ranking, "TRAINED KILLER");
    EXPECT_EQ(back.entries[0].seconds, 754);

    // Edited elsewhere: CR LF line ends, a blank line at the end, a ranking
    // word of any length (cut to the longest kept).
    std::string header = std::string(HighScoreTable::HEADER) + "\n";
    std::string edited = std::string(HighScoreTable::HEADER) + "\r\n9 20 2026-12-07 LOSER\r\n3 20 2026-12-07 " +
                         std::string(1000, 'W') + "\r\n\r\n";
    ASSERT_EQ(back.load(dir.write("edited.txt", edited), problem), HighScoreTable::READ) << problem;
    ASSERT_EQ(back.entries.size(), 2u);
    EXPECT_EQ(back.entries[0].ranking, "LOSER");
    EXPECT_EQ(back.entries[1].ranking, std::string(HighScoreTable::MAX_RANKING, 'W'));

    std::string eleven = header;
    for (int i = 0; i < 11; i++)
        eleven += "1 1 2026-12-07 LOSER\n";
    const std::string bad[] = {
        "kills seconds\n",                                  // foreign
        header + "3 20 2026-12-07 LOSER\n30 754 2026-12-07 GOD\n", // out of order
        header + "3 20 2026-12-07\n",                        // no ranking
        header + "3 -1 2026-12-07 LOSER\n",
        header + "3 20 yesterday LOSER\n",
        eleven,
    };
    for (const std::string& content : bad) {
        HighScoreTable d;
        d.entries.push_back(run(1, 1));
        EXPECT_EQ(d.load(dir.write("bad.txt", content), problem), HighScoreTable::DAMAGED) << content;
        EXPECT_TRUE(d.entries.empty());
    }
    // There but unreadable: not to be replaced.
    EXPECT_EQ(t.load(dir.path, problem), HighScoreTable::UNREADABLE);
    EXPECT_EQ(problem, std::string("cannot read it: ") + strerror(EISDIR));
}

} // namespace
