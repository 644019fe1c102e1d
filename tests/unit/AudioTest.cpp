// Music tags, track stepping and sound samples. The tests that load and play
// real files open SDL's dummy audio device, so no sound card is needed.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Captured.h"
#include "TempDir.h"
#include "audio/MusicManager.h"
#include "audio/SoundEffectManager.h"

namespace {

std::string field(const std::string& text, size_t size)
{
    std::string f = text.substr(0, size);
    f.resize(size, '\0');
    return f;
}

std::string tagRecord(const std::string& title, const std::string& artist)
{
    return "TAG" + field(title, 30) + field(artist, 30) + field("Album", 30) + field("1999", 4) +
           field("Comment", 30) + std::string(1, '\x34');
}

std::unique_ptr<id3v1tags> parse(const std::string& bytes)
{
    return std::unique_ptr<id3v1tags>(
        parseV1Tags(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

const std::string kData = std::string(LARDER_SOURCE_DIR) + "/data";

}  // namespace

TEST(Id3v1, FieldsEndAtTheFirstNulOrUseAllTheirBytes)
{
    auto tags = parse(tagRecord("Cold Storage", "Freezer Burn"));
    ASSERT_TRUE(tags);
    EXPECT_EQ(std::vector<std::string>({tags->title, tags->artist, tags->album, tags->year, tags->comment}),
              std::vector<std::string>({"Cold Storage", "Freezer Burn", "Album", "1999", "Comment"}));
    EXPECT_EQ(tags->genre, 0x34);

    std::string artist = "Band" + std::string(26, ' ');
    tags = parse(tagRecord(std::string(30, 'T'), artist));
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->title, std::string(30, 'T'));
    EXPECT_EQ(tags->artist, artist) << "trailing spaces are kept";

    std::string record = tagRecord("a", "b");
    EXPECT_FALSE(parse("XYZ" + record.substr(3)));
    EXPECT_FALSE(parse(record.substr(0, 127)));
}

TEST(Id3v1, FileTagIsReadFromItsLast128Bytes)
{
    TempDir dir;
    std::string tagged = dir.write("tagged.ogg", std::string(1000, 'x') + tagRecord("Title", "Artist"));
    std::unique_ptr<id3v1tags> tags(MusicManager::getV1Tags(tagged.c_str()));
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->artist + " - " + tags->title, "Artist - Title");

    std::string moved = dir.write("moved.ogg", tagRecord("Title", "Artist") + std::string(10, 'x'));
    std::string shortFile = dir.write("short.ogg", "TAG" + std::string(100, 'a'));
    std::string missing = dir.file("missing.ogg");
    EXPECT_EQ(capturedStderr([&] {
                  EXPECT_EQ(MusicManager::getV1Tags(moved.c_str()), nullptr);
                  EXPECT_EQ(MusicManager::getV1Tags(shortFile.c_str()), nullptr);
                  EXPECT_EQ(MusicManager::getV1Tags(missing.c_str()), nullptr);
              }),
              "This file does not contain ID3v1 information\n"
              "This file does not contain ID3v1 information\n"
              "Can't open " + missing + "\n");
}

TEST(TrackStepping, WrapsToTheOtherEndWhateverTheStep)
{
    // {current, step, expected} over three tracks; -1 means nothing played yet.
    for (auto [cur, step, want] : {std::array<int, 3>{-1, 1, 0}, {0, 1, 1}, {2, 1, 0}, {0, -1, 2}, {1, 5, 0}, {1, -5, 2}})
        EXPECT_EQ(wrapTrack(cur, step, 3), want) << cur << "+" << step;
}

TEST(SoundSamples, EmptyFolderReportsTheFirstNumberAndEveryPlayIsOutOfBounds)
{
    SoundEffectManager* sfx = nullptr;
    EXPECT_EQ(capturedStderr([&] { sfx = new SoundEffectManager("/nonexistent-sound-dir"); }),
              "/nonexistent-sound-dir/0.wav is missing\n");
    EXPECT_EQ(capturedStdout([&] {
                  sfx->playSample(0);
                  sfx->playSample(3, true, 2);
                  sfx->loopSample(7, -1);
              }),
              "Sample 0 is out of bounds\nSample 3 is out of bounds\nSample 7 is out of bounds\n");
    delete sfx;
}

// The game's audio set-up on SDL's dummy driver.
class AudioDevice : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 4096), 0) << Mix_GetError();
    }
    void TearDown() override
    {
        while (isOpen())
            Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    static bool isOpen()
    {
        int freq, channels;
        Uint16 format;
        return Mix_QuerySpec(&freq, &format, &channels) != 0;
    }
};

TEST_F(AudioDevice, TwelveSamplesFixedChannelsAndAFullMixer)
{
    SoundEffectManager* sfx = nullptr;
    EXPECT_EQ(capturedStderr([&] { sfx = new SoundEffectManager((kData + "/sounds").c_str()); }),
              kData + "/sounds/12.wav is missing\n");
    ASSERT_EQ(sfx->samples.size(), 12u);
    EXPECT_EQ(capturedStdout([&] { sfx->playSample(12); }), "Sample 12 is out of bounds\n");

    sfx->playSample(8, true, 1);
    sfx->playSample(8, true, 1);  // cuts off its own last sound
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_Playing(1), 1);
    for (int i = 0; i < 7; i++)  // fill the other seven channels, then ask for one more
        sfx->loopSample(11, -1);
    EXPECT_EQ(Mix_Playing(-1), 8);
    EXPECT_EQ(capturedStderr([&] { sfx->playSample(4); }).rfind("Couldn't play sample 4: ", 0), 0u);
    Mix_HaltChannel(-1);
    delete sfx;
}

TEST_F(AudioDevice, TracksLoadWithTagsAndStepRound)
{
    TempDir dir;
    dir.write("0.ogg", readFile(kData + "/music/0.ogg"));
    dir.write("1.ogg", readFile(kData + "/music/1.ogg"));
    std::unique_ptr<MusicManager> tunes;
    std::string err = capturedStderr([&] { tunes = std::make_unique<MusicManager>(dir.path.c_str()); });
    ASSERT_EQ(tunes->size(), 2);
    std::string missing = dir.file("2.ogg");
    EXPECT_EQ(err.rfind("Err.) Can't load " + missing + "... ", 0), 0u) << err;
    EXPECT_NE(err.find("\nErr.) Music file " + missing + " is missing\n"), std::string::npos) << err;
    EXPECT_EQ(err.find("No music found"), std::string::npos);
    EXPECT_EQ(tunes->getTrackName(), "Not playing music");

    EXPECT_EQ(capturedStdout([&] {
                  tunes->changeTrack(1);   // from "none" to the first
                  tunes->changeTrack(-1);  // below the first to the last
                  tunes->changeTrack(1);   // past the last to the first
              }),
              "Pass) Playing track 0 (Freezer Burn - Cold Storage)\n"
              "Pass) Playing track 1 (Freezer Burn - Meat Locker Shuffle)\n"
              "Pass) Playing track 0 (Freezer Burn - Cold Storage)\n");
    EXPECT_EQ(Mix_PlayingMusic(), 1);

    EXPECT_EQ(capturedStderr([&] {
                  tunes->playTrack(2, false);
                  tunes->playTrack(-1, false);
              }),
              "Err.) Music track 2 is out of range [0,1]\nErr.) Music track -1 is out of range [0,1]\n");
    EXPECT_EQ(tunes->curTrack, 0);

    // The manager closes the device; the game object closes it once more
    // afterwards, which SDL_mixer ignores once the device is shut.
    tunes.reset();
    EXPECT_FALSE(isOpen());
    Mix_CloseAudio();
    EXPECT_EQ(Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 4096), 0) << Mix_GetError();
}

TEST_F(AudioDevice, UntaggedTrackIsNamedSoAndAnEmptyFolderGivesNone)
{
    TempDir dir;
    // The encoder's own file has no ID3v1 record once the last 128 bytes go.
    std::string bytes = readFile(kData + "/music/1.ogg");
    dir.write("0.ogg", bytes.substr(0, bytes.size() - 128));
    std::unique_ptr<MusicManager> tunes;
    std::string err = capturedStderr([&] { tunes = std::make_unique<MusicManager>(dir.path.c_str()); });
    EXPECT_EQ(err.rfind("This file does not contain ID3v1 information\n", 0), 0u) << err;
    EXPECT_EQ(capturedStdout([&] { tunes->playTrack(0, false); }), "Pass) Playing track 0\n");
    EXPECT_EQ(tunes->getTrackName(), "File not tagged");
    tunes.reset();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 4096), 0) << Mix_GetError();

    err = capturedStderr([] { MusicManager("/nonexistent-music-dir").playTrack(0, true); });
    EXPECT_NE(err.find("Err.) Music file /nonexistent-music-dir/0.ogg is missing\n"
                       "Err.) No music found, disabling\n"
                       "Err.) Music track 0 is out of range [0,-1]\n"),
              std::string::npos) << err;
}

namespace {

// A RIFF wave of silence with the given format block values.
std::string wave(unsigned channels, unsigned rate, unsigned bits = 16)
{
    auto le = [](unsigned v, int n) {
        std::string s;
        for (int i = 0; i < n; i++)
            s += (char)((v >> (8 * i)) & 0xff);
        return s;
    };
    std::string data(400, '\0');
    unsigned block = channels * bits / 8;
    std::string fmt = le(1, 2) + le(channels, 2) + le(rate, 4) + le(rate * block, 4) + le(block, 2) + le(bits, 2);
    std::string body = "WAVE" + std::string("LIST") + le(4, 4) + "INFO" + "fmt " + le(16, 4) + fmt +
                       "data" + le((unsigned)data.size(), 4) + data;
    return "RIFF" + le((unsigned)body.size(), 4) + body;
}

} // namespace

TEST(SoundSamples, WaveFormatsTheMixerCannotConvertAreRefused)
{
    auto sane = [](const std::string& bytes) {
        return wavFormatIsSane((const unsigned char*)bytes.data(), bytes.size());
    };
    EXPECT_TRUE(sane(wave(2, 22050)));
    EXPECT_FALSE(sane(wave(0, 22050)));
    EXPECT_FALSE(sane(wave(1, 0)));
    EXPECT_FALSE(sane(wave(1, 22050, 0)));
    EXPECT_FALSE(sane(wave(1, 22050).substr(0, 40))) << "a cut-off format block";
    EXPECT_TRUE(sane("OggS not a wave at all"));
}

// A damaged file keeps its number silent; the ones after it still load, and
// only a missing number ends the set.
TEST_F(AudioDevice, AnUnreadableSampleOrTrackCostsOnlyItself)
{
    TempDir dir;
    dir.write("0.wav", wave(2, 22050));
    dir.write("1.wav", wave(0, 22050));
    dir.write("2.wav", wave(1, 0));
    dir.write("3.wav", wave(1, 11025));
    SoundEffectManager* sfx = nullptr;
    EXPECT_EQ(capturedStderr([&] { sfx = new SoundEffectManager(dir.path.c_str()); }),
              dir.file("1.wav") + " is unreadable; sample 1 stays silent\n" +
              dir.file("2.wav") + " is unreadable; sample 2 stays silent\n" +
              dir.file("4.wav") + " is missing\n");
    ASSERT_EQ(sfx->samples.size(), 4u);
    EXPECT_EQ(sfx->samples[1], nullptr);
    EXPECT_NE(sfx->samples[3], nullptr);
    EXPECT_EQ(capturedStdout([&] { sfx->playSample(1); }), "");
    delete sfx;

    std::filesystem::create_directory(dir.file("m"));
    dir.write("m/0.ogg", "OggS but nothing an Ogg decoder takes");
    dir.write("m/1.ogg", readFile(kData + "/music/1.ogg"));
    std::unique_ptr<MusicManager> tunes;
    std::string err = capturedStderr([&] { tunes = std::make_unique<MusicManager>(dir.file("m").c_str()); });
    EXPECT_NE(err.find("Err.) Music file " + dir.file("m/0.ogg") + " is unreadable; track 0 stays silent\n"),
              std::string::npos) << err;
    EXPECT_EQ(err.find("No music found"), std::string::npos) << err;
    ASSERT_EQ(tunes->size(), 2);
    EXPECT_EQ(capturedStderr([&] { tunes->playTrack(0, true); }), "Err.) Music track 0 is unreadable\n");
    EXPECT_EQ(capturedStdout([&] { tunes->changeTrack(1); }),
              "Pass) Playing track 1 (Freezer Burn - Meat Locker Shuffle)\n")
        << "stepping passes the unreadable track";
    tunes.reset();
}
