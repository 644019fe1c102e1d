// Engine orders ("config.cfg") and tuning values ("data/physics.dat").
#include <gtest/gtest.h>

#include <string>

#include "Captured.h"
#include "TempDir.h"
#include "data/ConfLoader.h"
#include "data/EngineVars.h"

TEST(EngineOrders, OnlyExactFsOrdersFullScreenAndOthersAreReported)
{
    TempDir dir;
    std::string longOrder(300, 'q');
    std::string path = dir.write("config.cfg", "\nFS\nfs\r\n" + longOrder + "\nfs");
    EngineVars vars;
    EXPECT_EQ(capturedStderr([&] { vars = readEngineVars(path.c_str()); }),
              "Engine order '' not understood.\nEngine order 'FS' not understood.\n"
              "Engine order 'fs\r' not understood.\nEngine order '" + longOrder + "' not understood.\n");
    EXPECT_TRUE(vars.fullscreen) << "fs on the last line without a newline counts";

    path = dir.write("config.cfg", "fs\r\n");
    capturedStderr([&] { vars = readEngineVars(path.c_str()); });
    EXPECT_FALSE(vars.fullscreen);

    path = dir.file("none.cfg");
    EXPECT_EQ(capturedStderr([&] { vars = readEngineVars(path.c_str()); }),
              "loadEngineVars: Engine variables file " + path + " is missing\n");
    EXPECT_FALSE(vars.fullscreen);
}

TEST(TuningValues, TenthsReplaceDefaultsOnlyWhenPositive)
{
    TempDir dir;
    std::string path = dir.write("physics.dat", "SLOWMO_MULTIPLIER=25\nPLAYER_SPEED=-5\n"
                                                "FRICTION_MULTIPLIER=0\nBULLET_SPEED_MULTIPLIER=15\n");
    std::string out = capturedStdout([&] {
        ConfLoader conf(path.c_str());
        EXPECT_FLOAT_EQ(conf.getValue("SLOWMO_MULTIPLIER"), 2.5f);
        EXPECT_FLOAT_EQ(conf.getValue("PLAYER_SPEED"), 275.0f);
        EXPECT_FLOAT_EQ(conf.getValue("FRICTION_MULTIPLIER"), 1.0f);
        EXPECT_FLOAT_EQ(conf.getValue("BULLET_SPEED_MULTIPLIER"), 1.5f);
        EXPECT_FLOAT_EQ(conf.getValue("GRAVITY"), 0.0f) << "unknown keys read 0";
    });
    EXPECT_EQ(out, "ConfLoader: Loading configuration from " + path + "\n"
                   "ConfLoader: Loaded custom slow motion multiplier\n"
                   "ConfLoader: Loaded custom bulletspeed multiplier (15).\n");

    // Each key is searched from the top; absent keys are reported.
    path = dir.write("partial.dat", "FRICTION_MULTIPLIER=20\nPLAYER_SPEED=3000\n");
    out = capturedStdout([&] {
        ConfLoader conf(path.c_str());
        EXPECT_FLOAT_EQ(conf.getValue("FRICTION_MULTIPLIER"), 2.0f);
        EXPECT_FLOAT_EQ(conf.getValue("PLAYER_SPEED"), 300.0f);
        EXPECT_FLOAT_EQ(conf.getValue("SLOWMO_MULTIPLIER"), 1.8f);
    });
    EXPECT_EQ(out, "ConfLoader: Loading configuration from " + path + "\n"
                   "Couldn't find identifier SLOWMO_MULTIPLIER\n"
                   "ConfLoader: Loaded custom player speed.\n"
                   "ConfLoader: Loaded custom corpse friction (20).\n"
                   "Couldn't find identifier BULLET_SPEED_MULTIPLIER\n");

    path = dir.file("absent.dat");
    EXPECT_EQ(capturedStderr([&] {
                  ConfLoader conf(path.c_str());
                  EXPECT_FLOAT_EQ(conf.getValue("PLAYER_SPEED"), 275.0f);
              }),
              "Conf file " + path + " not readable. Using default values.\n");
}
