// Engine orders ("config.cfg") and tuning values ("data/physics.dat").
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "data/ConfLoader.h"
#include "data/EngineVars.h"

namespace {

class ConfigFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/config-XXXXXX";
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

    std::string dir;
};

TEST_F(ConfigFilesTest, OnlyExactLowerCaseFsOrdersFullScreen)
{
    std::string path = write("config.cfg", "fs\nFS\n");
    testing::internal::CaptureStderr();
    EngineVars vars = readEngineVars(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Engine order 'FS' not understood.\n");
    EXPECT_TRUE(vars.fullscreen);
}

TEST_F(ConfigFilesTest, MissingEngineFileGivesWindowedDefaults)
{
    std::string path = dir + "/config.cfg";
    testing::internal::CaptureStderr();
    EngineVars vars = readEngineVars(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "loadEngineVars: Engine variables file " + path + " is missing\n");
    EXPECT_FALSE(vars.fullscreen);
}

TEST_F(ConfigFilesTest, BlankCarriageReturnAndOverlongOrdersAreReportedOnce)
{
    std::string longOrder(300, 'q');
    std::string path = write("config.cfg", "\nfs\r\n" + longOrder + "\n");
    testing::internal::CaptureStderr();
    EngineVars vars = readEngineVars(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Engine order '' not understood.\nEngine order 'fs\r' not understood.\n"
              "Engine order '" + longOrder + "' not understood.\n");
    EXPECT_FALSE(vars.fullscreen);
}

TEST_F(ConfigFilesTest, FsOnLastLineWithoutNewlineCounts)
{
    EXPECT_TRUE(readEngineVars(write("config.cfg", "fs").c_str()).fullscreen);
}

TEST_F(ConfigFilesTest, OnlyFrictionGivenKeepsOtherDefaults)
{
    std::string path = write("physics.dat", "FRICTION_MULTIPLIER=20\n");
    testing::internal::CaptureStdout();
    ConfLoader conf(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ConfLoader: Loading configuration from " + path + "\n"
              "Couldn't find identifier SLOWMO_MULTIPLIER\n"
              "Couldn't find identifier PLAYER_SPEED\n"
              "ConfLoader: Loaded custom corpse friction (20).\n"
              "Couldn't find identifier BULLET_SPEED_MULTIPLIER\n");
    EXPECT_FLOAT_EQ(conf.getValue("FRICTION_MULTIPLIER"), 2.0f);
    EXPECT_FLOAT_EQ(conf.getValue("SLOWMO_MULTIPLIER"), 1.8f);
    EXPECT_FLOAT_EQ(conf.getValue("PLAYER_SPEED"), 275.0f);
    EXPECT_FLOAT_EQ(conf.getValue("BULLET_SPEED_MULTIPLIER"), 1.0f);
}

TEST_F(ConfigFilesTest, ValuesAreTenthsAndEachKeyStartsFromZero)
{
    std::string path = write("physics.dat",
                             "SLOWMO_MULTIPLIER=25\nPLAYER_SPEED=3000\n"
                             "FRICTION_MULTIPLIER=0\nBULLET_SPEED_MULTIPLIER=15\n");
    testing::internal::CaptureStdout();
    ConfLoader conf(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "ConfLoader: Loading configuration from " + path + "\n"
              "ConfLoader: Loaded custom slow motion multiplier\n"
              "ConfLoader: Loaded custom player speed.\n"
              "ConfLoader: Loaded custom bulletspeed multiplier (15).\n");
    EXPECT_FLOAT_EQ(conf.getValue("SLOWMO_MULTIPLIER"), 2.5f);
    EXPECT_FLOAT_EQ(conf.getValue("PLAYER_SPEED"), 300.0f);
    EXPECT_FLOAT_EQ(conf.getValue("FRICTION_MULTIPLIER"), 1.0f);
    EXPECT_FLOAT_EQ(conf.getValue("BULLET_SPEED_MULTIPLIER"), 1.5f);
}

TEST_F(ConfigFilesTest, ZeroAndNegativeValuesKeepDefaults)
{
    ConfLoader zero(write("zero.dat", "SLOWMO_MULTIPLIER=0\n").c_str());
    EXPECT_FLOAT_EQ(zero.getValue("SLOWMO_MULTIPLIER"), 1.8f);

    std::string path = write("neg.dat", "SLOWMO_MULTIPLIER=18\nPLAYER_SPEED=-5\n");
    testing::internal::CaptureStdout();
    ConfLoader neg(path.c_str());
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("player speed"), std::string::npos);
    EXPECT_FLOAT_EQ(neg.getValue("SLOWMO_MULTIPLIER"), 1.8f);
    EXPECT_FLOAT_EQ(neg.getValue("PLAYER_SPEED"), 275.0f);
}

TEST_F(ConfigFilesTest, MissingTuningFileUsesDefaults)
{
    std::string path = dir + "/physics.dat";
    testing::internal::CaptureStderr();
    ConfLoader conf(path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Conf file " + path + " not readable. Using default values.\n");
    EXPECT_FLOAT_EQ(conf.getValue("PLAYER_SPEED"), 275.0f);
    EXPECT_FLOAT_EQ(conf.getValue("SLOWMO_MULTIPLIER"), 1.8f);
}

TEST_F(ConfigFilesTest, UnknownKeyReadsZeroAndIsStored)
{
    ConfLoader conf((dir + "/absent.dat").c_str());
    EXPECT_EQ(conf.data.count("GRAVITY"), 0u);
    EXPECT_FLOAT_EQ(conf.getValue("GRAVITY"), 0.0f);
    EXPECT_EQ(conf.data.count("GRAVITY"), 1u);
}

} // namespace
