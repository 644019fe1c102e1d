// Every file of the fuzz corpora goes through the check the fuzz targets
// run, so the corpora (and every reproducer added to them) guard the normal
// build as well.
#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "CrossCheck.h"
#include "ScriptFixture.h"

namespace {

std::vector<std::string> Files(const std::string& dir)
{
    std::vector<std::string> files;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* entry = readdir(d))
            if (entry->d_name[0] != '.')
                files.push_back(dir + "/" + entry->d_name);
        closedir(d);
    }
    return files;
}

}  // namespace

TEST(FuzzCorpus, ScriptsRunAlikeInSlicesAndOneByOne)
{
    const std::vector<std::string> files = Files(MORSCRIPT_CORPUS_DIR "/script");
    EXPECT_GE(files.size(), 20u);
    for (const std::string& file : files)
        EXPECT_EQ("", MorScriptCheck::CheckScriptInput(MorScriptTest::ReadFile(file))) << file;
}

TEST(FuzzCorpus, BytecodeRunsAlikeInSlicesAndOneByOne)
{
    for (const std::string& file : Files(MORSCRIPT_CORPUS_DIR "/bytecode")) {
        const std::string bytes = MorScriptTest::ReadFile(file);
        EXPECT_EQ("", MorScriptCheck::CheckBytecodeInput(reinterpret_cast<const unsigned char*>(bytes.data()),
                                                         bytes.size()))
            << file;
    }
}
