// Key/value data files: lookup rules of the reader and the writer's lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "data/KelFileRead.h"
#include "data/KelFileWrite.h"

namespace {

class KelFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/kelfile-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }

    std::string write(const std::string& name, const std::string& contents)
    {
        std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }
    std::string slurp(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

    std::string dir;
};

TEST_F(KelFileTest, IntegerZeroOrNegativeKeepsTargetAndMissingKeySetsZero)
{
    KelFileRead zero(write("zero.def", "hp=0\n").c_str());
    KelFileRead negative(write("neg.def", "hp=-5\n").c_str());
    KelFileRead missing(write("missing.def", "max_hp=80\n").c_str());

    int hp = 50;
    testing::internal::CaptureStdout();
    zero.getIntFromFile(hp, "hp");
    EXPECT_EQ(hp, 50);
    negative.getIntFromFile(hp, "hp");
    EXPECT_EQ(hp, 50);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    testing::internal::CaptureStdout();
    missing.getIntFromFile(hp, "hp");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't find identifier hp\n");
    EXPECT_EQ(hp, 0);
}

TEST_F(KelFileTest, IntegerFollowsAtoiRules)
{
    KelFileRead file(write("a.def", "a= 42xyz\nb=+7\nc=12\r\n").c_str());
    int a = 0, b = 0, c = 0;
    file.getIntFromFile(a, "a");
    file.getIntFromFile(b, "b");
    file.getIntFromFile(c, "c");
    EXPECT_EQ(a, 42);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(c, 12);
}

TEST_F(KelFileTest, StringsKeepTrailingCharactersAndEmptyValueLeavesTarget)
{
    KelFileRead file(write("s.def", "name=bob \nempty=\ncr=x\r\n").c_str());
    std::string name = "old", empty = "old", cr;
    testing::internal::CaptureStdout();
    file.getStringFromFile(name, "name");
    file.getStringFromFile(empty, "empty");
    file.getStringFromFile(cr, "cr");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(name, "bob ");
    EXPECT_EQ(empty, "old");
    EXPECT_EQ(cr, "x\r");
}

TEST_F(KelFileTest, LookupRewindsAfterMissingKeyAndEarlierLookups)
{
    KelFileRead file(write("r.def", "first=1\nsecond=2\n").c_str());
    EXPECT_EQ(file.getIdentifier("nothere"), "");
    EXPECT_EQ(file.getIdentifier("second"), "2");
    EXPECT_EQ(file.getIdentifier("first"), "1");
    EXPECT_EQ(file.getIdentifier("second"), "2");
}

TEST_F(KelFileTest, FirstLineStartingWithKeyWins)
{
    KelFileRead file(write("p.def", "speedx=5\nspeed=3\nx=1\nx=2\n ok=9\n").c_str());
    EXPECT_EQ(file.getIdentifier("speed"), "5");
    EXPECT_EQ(file.getIdentifier("x"), "1");
    EXPECT_EQ(file.getIdentifier("ok"), "");      // a leading space is part of the key
    EXPECT_EQ(file.getIdentifier("Speed"), "");   // keys are case-sensitive
}

TEST_F(KelFileTest, KeyWithoutEqualsSignReadsAsMissing)
{
    KelFileRead file(write("n.def", "hp\nhp=7\n").c_str());
    int hp = 50;
    testing::internal::CaptureStdout();
    file.getIntFromFile(hp, "hp");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't find identifier hp\n");
    EXPECT_EQ(hp, 0);
}

TEST_F(KelFileTest, OverlongLinesAreReadWholeAndDoNotEndTheScan)
{
    std::string longValue(500, 'v');
    std::string contents = "junk=" + std::string(1000, 'j') + "\nlong=" + longValue + "\nlast=3\n";
    KelFileRead file(write("long.def", contents).c_str());
    EXPECT_EQ(file.getIdentifier("long"), longValue);
    EXPECT_EQ(file.getIdentifier("last"), "3");
    EXPECT_EQ(file.getIdentifier("absent"), "");
}

TEST_F(KelFileTest, BooleansAreNonZeroIntegers)
{
    KelFileRead file(write("b.def", "one=1\nzero=0\nneg=-3\ntext=yes\n").c_str());
    bool one = false, zero = true, neg = true, text = true, missing = true;
    file.getBoolFromFile(one, "one");
    file.getBoolFromFile(zero, "zero");
    file.getBoolFromFile(neg, "neg");
    file.getBoolFromFile(text, "text");
    testing::internal::CaptureStdout();
    file.getBoolFromFile(missing, "missing");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't find identifier missing\n");
    EXPECT_TRUE(one);
    EXPECT_FALSE(zero);
    EXPECT_FALSE(neg);
    EXPECT_FALSE(text);
    EXPECT_FALSE(missing);
}

TEST_F(KelFileTest, UnopenedReaderLeavesTargetsSilently)
{
    KelFileRead file((dir + "/absent.def").c_str());
    EXPECT_FALSE(file.isOkay());
    int hp = 50;
    bool flag = true;
    std::string name = "old";
    testing::internal::CaptureStdout();
    file.getIntFromFile(hp, "hp");
    file.getBoolFromFile(flag, "flag");
    file.getStringFromFile(name, "name");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(hp, 50);
    EXPECT_EQ(name, "old");
    EXPECT_EQ(file.getIdentifier("hp"), "");

    KelFileRead later;
    EXPECT_FALSE(later.isOkay());
    EXPECT_FALSE(later.openFile(write("ok.def", "hp=1\n").c_str()));
    EXPECT_TRUE(later.isOkay());
}

TEST_F(KelFileTest, DumpToIntMapReadsEveryRecordFromTheStart)
{
    KelFileRead file(write("d.def", "a=1\ncomment line\nb=x\na=3\nc=-2\n").c_str());
    file.getIdentifier("c");  // leaves the stream at its end
    std::map<std::string, int> values;
    testing::internal::CaptureStdout();
    file.dumpToIntMap(values);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Assigning value 1 to key a\nAssigning value 0 to key b\n"
              "Assigning value 3 to key a\nAssigning value -2 to key c\n");
    EXPECT_EQ(values, (std::map<std::string, int>{{"a", 3}, {"b", 0}, {"c", -2}}));
}

TEST_F(KelFileTest, WriterLinesAndAppendMode)
{
    std::string path = dir + "/w.def";
    {
        KelFileWrite out(path.c_str(), false);
        EXPECT_TRUE(out.isOkay());
        out.putStringInFile("smg", "type");
        out.putIntInFile(-5, "hp");
        EXPECT_EQ(slurp(path), "type=smg\nhp=-5\n");  // flushed line by line
    }
    {
        KelFileWrite out(path.c_str(), true);
        out.putIntInFile(12, "x");
    }
    EXPECT_EQ(slurp(path), "type=smg\nhp=-5\nx=12\n");
    {
        KelFileWrite out(path.c_str(), false);
        out.putIntInFile(1, "y");
    }
    EXPECT_EQ(slurp(path), "y=1\n");
}

TEST_F(KelFileTest, WriterReportsFileThatCannotBeOpened)
{
    KelFileWrite out((dir + "/no/such/dir.def").c_str(), false);
    EXPECT_FALSE(out.isOkay());
    out.putIntInFile(1, "x");  // dropped, no crash
}

} // namespace
