// The survival high-score table: order, the tenth place, the file.
#include <gtest/gtest.h>

#include <sys/stat.h>

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
    EXPECT_TRUE(t.load(path, problem)) << "no file yet: an empty table";
    t.insert(run(30, 754));
    t.insert(run(3, 20));
    ASSERT_TRUE(t.save(path, problem)) << problem;
    HighScoreTable back;
    ASSERT_TRUE(back.load(path, problem)) << problem;
    ASSERT_EQ(back.entries.size(), 2u);
    EXPECT_EQ(back.entries[0].ranking, "TRAINED KILLER");
    EXPECT_EQ(back.entries[0].seconds, 754);
    struct stat st;
    EXPECT_NE(stat(dir.file("highscores.txt.tmp").c_str(), &st), 0) << "no temporary left";

    std::string header = std::string(HighScoreTable::HEADER) + "\n";
    const std::string bad[] = {
        "kills seconds\n",                                  // foreign
        header + "3 20 2026-12-07 LOSER\n30 754 2026-12-07 GOD\n", // out of order
        header + "3 20 2026-12-07\n",                        // no ranking
        header + "3 -1 2026-12-07 LOSER\n",
        header + "3 20 yesterday LOSER\n",
    };
    for (const std::string& content : bad) {
        HighScoreTable d;
        d.entries.push_back(run(1, 1));
        EXPECT_FALSE(d.load(dir.write("bad.txt", content), problem)) << content;
        EXPECT_TRUE(d.entries.empty());
    }
    std::string eleven = header;
    for (int i = 0; i < 11; i++)
        eleven += "1 1 2026-12-07 LOSER\n";
    EXPECT_FALSE(t.load(dir.write("bad.txt", eleven), problem));
}

TEST(HighScoreTable, AFailedSaveLeavesTheOldTableWhole)
{
    TempDir dir;
    std::string path = dir.file("highscores.txt");
    HighScoreTable t;
    t.insert(run(7, 70));
    std::string problem;
    ASSERT_TRUE(t.save(path, problem));
    // The temporary cannot be made: the save fails before touching the table.
    mkdir((path + ".tmp").c_str(), 0755);
    t.insert(run(9, 9));
    EXPECT_FALSE(t.save(path, problem));
    EXPECT_NE(problem.find("cannot write"), std::string::npos);
    HighScoreTable back;
    ASSERT_TRUE(back.load(path, problem));
    ASSERT_EQ(back.entries.size(), 1u);
    EXPECT_EQ(back.entries[0].kills, 7);
}

} // namespace
