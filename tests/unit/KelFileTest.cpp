// Key/value data files: lookup rules of the reader and the writer's lines.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "Captured.h"
#include "TempDir.h"
#include "data/KelFileRead.h"
#include "data/KelFileWrite.h"

TEST(KelFileRead, LookupRewindsAndTheFirstLineStartingWithTheKeyWins)
{
    TempDir dir;
    KelFileRead file(dir.write("p.def", "speedx=5\nspeed=3\nx=1\nx=2\n ok=9\nsecond=2\n").c_str());
    EXPECT_EQ(file.getIdentifier("nothere"), "");
    EXPECT_EQ(file.getIdentifier("second"), "2");
    EXPECT_EQ(file.getIdentifier("speed"), "5") << "prefix match, after an earlier lookup";
    EXPECT_EQ(file.getIdentifier("x"), "1");
    EXPECT_EQ(file.getIdentifier("second"), "2");
    EXPECT_EQ(file.getIdentifier("ok"), "") << "a leading space is part of the key";
    EXPECT_EQ(file.getIdentifier("Speed"), "") << "keys are case-sensitive";

    std::string longValue(500, 'v');
    KelFileRead longFile(dir.write("long.def", "junk=" + std::string(1000, 'j') + "\nlong=" +
                                                   longValue + "\nlast=3\n").c_str());
    EXPECT_EQ(longFile.getIdentifier("long"), longValue);
    EXPECT_EQ(longFile.getIdentifier("last"), "3");
}

TEST(KelFileRead, IntegersFollowAtoiAndOnlyPositiveValuesAreAssigned)
{
    TempDir dir;
    KelFileRead file(dir.write("a.def", "a= 42xyz\nb=+7\nc=12\r\nzero=0\nneg=-5\nbare\nbare=7\n").c_str());
    // Zero and negative values leave the target alone.
    struct Case { const char* key; int start, want; };
    for (Case c : {Case{"a", 0, 42}, {"b", 0, 7}, {"c", 0, 12}, {"zero", 50, 50}, {"neg", 50, 50}}) {
        EXPECT_EQ(capturedStdout([&] { file.getIntFromFile(c.start, c.key); }), "") << c.key;
        EXPECT_EQ(c.start, c.want) << c.key;
    }
    int bare = 50, missing = 50;
    EXPECT_EQ(capturedStdout([&] {
                  file.getIntFromFile(bare, "bare");
                  file.getIntFromFile(missing, "missing");
              }),
              "Couldn't find identifier bare\nCouldn't find identifier missing\n");
    EXPECT_EQ(bare, 0) << "a key without '=' reads as missing, which sets 0";
    EXPECT_EQ(missing, 0);
}

TEST(KelFileRead, StringsAndBooleans)
{
    TempDir dir;
    KelFileRead file(dir.write("s.def", "name=bob \nempty=\ncr=x\r\none=1\nzero=0\nneg=-3\ntext=yes\n").c_str());
    std::string name = "old", empty = "old", cr;
    bool one = false, zero = true, neg = true, text = true, missing = true;
    EXPECT_EQ(capturedStdout([&] {
                  file.getStringFromFile(name, "name");
                  file.getStringFromFile(empty, "empty");
                  file.getStringFromFile(cr, "cr");
                  file.getBoolFromFile(one, "one");
                  file.getBoolFromFile(zero, "zero");
                  file.getBoolFromFile(neg, "neg");
                  file.getBoolFromFile(text, "text");
                  file.getBoolFromFile(missing, "missing");
              }),
              "Couldn't find identifier missing\n");
    EXPECT_EQ(name, "bob ");
    EXPECT_EQ(empty, "old");
    EXPECT_EQ(cr, "x\r");
    EXPECT_TRUE(one);
    EXPECT_FALSE(zero || neg || text || missing);
}

TEST(KelFileRead, UnopenedReaderLeavesTargetsSilently)
{
    TempDir dir;
    KelFileRead file(dir.file("absent.def").c_str());
    EXPECT_FALSE(file.isOkay());
    int hp = 50;
    bool flag = true;
    std::string name = "old";
    EXPECT_EQ(capturedStdout([&] {
                  file.getIntFromFile(hp, "hp");
                  file.getBoolFromFile(flag, "flag");
                  file.getStringFromFile(name, "name");
              }),
              "");
    EXPECT_EQ(hp, 50);
    EXPECT_EQ(name, "old");

    KelFileRead later;
    EXPECT_FALSE(later.openFile(dir.write("ok.def", "hp=1\n").c_str()));
    EXPECT_TRUE(later.isOkay());
}

TEST(KelFileRead, DumpToIntMapReadsEveryRecordFromTheStart)
{
    TempDir dir;
    KelFileRead file(dir.write("d.def", "a=1\ncomment line\nb=x\na=3\nc=-2\n").c_str());
    file.getIdentifier("c");  // leaves the stream at its end
    std::map<std::string, int> values;
    EXPECT_EQ(capturedStdout([&] { file.dumpToIntMap(values); }),
              "Assigning value 1 to key a\nAssigning value 0 to key b\n"
              "Assigning value 3 to key a\nAssigning value -2 to key c\n");
    EXPECT_EQ(values, (std::map<std::string, int>{{"a", 3}, {"b", 0}, {"c", -2}}));
}

TEST(KelFileWrite, LinesFlushAtOnceAndAppendModeKeepsThem)
{
    TempDir dir;
    std::string path = dir.file("w.def");
    {
        KelFileWrite out(path.c_str(), false);
        out.putStringInFile("smg", "type");
        out.putIntInFile(-5, "hp");
        EXPECT_EQ(readFile(path), "type=smg\nhp=-5\n");
    }
    KelFileWrite(path.c_str(), true).putIntInFile(12, "x");
    EXPECT_EQ(readFile(path), "type=smg\nhp=-5\nx=12\n");
    KelFileWrite(path.c_str(), false).putIntInFile(1, "y");
    EXPECT_EQ(readFile(path), "y=1\n");

    KelFileWrite bad(dir.file("no/such/dir.def").c_str(), false);
    EXPECT_FALSE(bad.isOkay());
    bad.putIntInFile(1, "x");  // dropped, no crash
}
