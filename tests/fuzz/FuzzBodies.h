#pragma once
// What each loader fuzz target does with one input: the same bodies run
// under libFuzzer (tests/fuzz, clang) and, for every file of the committed
// corpora, in the normal unit tests on any compiler.
#include <cstddef>
#include <cstdint>

namespace FuzzBodies {

typedef int (*Body)(const uint8_t* data, size_t size);

struct Target {
    const char* name;  // also the corpus folder: corpus/<name>/
    Body body;
};

// The key/value reader and the actor files that use it.
int keyValueFile(const uint8_t* data, size_t size);
// "data/map%i.dat".
int mapFile(const uint8_t* data, size_t size);
// "data/entities.txt".
int entityFile(const uint8_t* data, size_t size);
// "data/font.fnt": a damaged file is reported, not fatal, at this level.
int fontDefinition(const uint8_t* data, size_t size);
// The same bytes as "config.cfg" and as "data/physics.dat".
int configFiles(const uint8_t* data, size_t size);
// "data/credits.txt".
int creditsFile(const uint8_t* data, size_t size);
// The ID3v1 tag at the end of a music file.
int id3v1Tag(const uint8_t* data, size_t size);
// Image bytes as a sprite file, up to the RGBA surface that is uploaded.
int spriteImage(const uint8_t* data, size_t size);
// A recording for --replay, its last four bytes replaced by the checksum of
// the rest so that changes reach the parser. What loads is within every
// limit and saves back to the same bytes.
int replayFile(const uint8_t* data, size_t size);
// "highscores.txt": what loads is a sound table that saves and reads back
// to the same table.
int highScoreTable(const uint8_t* data, size_t size);

extern const Target TARGETS[];
extern const size_t TARGET_COUNT;

} // namespace FuzzBodies
