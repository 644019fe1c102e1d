// Every file of the fuzzing corpora, crash reproducers included, through the
// loader it was found with: a fault fixed once stays fixed on any compiler.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "Captured.h"
#include "FuzzBodies.h"
#include "TempDir.h"

TEST(CorpusReplay, EveryCorpusFileLoadsWithoutFault)
{
    namespace fs = std::filesystem;
    const fs::path corpora = fs::path(LARDER_SOURCE_DIR) / "tests/fuzz/corpus";
    for (size_t t = 0; t < FuzzBodies::TARGET_COUNT; ++t) {
        const FuzzBodies::Target& target = FuzzBodies::TARGETS[t];
        int files = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(corpora / target.name)) {
            SCOPED_TRACE(entry.path().string());
            std::string bytes = readFile(entry.path().string());
            capturedStderr([&] {
                capturedStdout([&] { target.body((const uint8_t*)bytes.data(), bytes.size()); });
            });
            ++files;
        }
        EXPECT_GT(files, 0) << "no seeds for " << target.name;
    }
}
