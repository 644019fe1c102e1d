// Music tags, track stepping and sound samples. The tests that load and play
// real files open SDL's dummy audio device, so no sound card is needed.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

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
    return "TAG" + field(title, 30) + field(artist, 30) + field("Album", 30) + field("1999", 4)
           + field("Comment", 30) + std::string(1, '\x34');
}

class TempDir {
public:
    TempDir()
    {
        char pattern[] = "/tmp/larder-audio-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TempDir() { std::system(("rm -rf '" + path + "'").c_str()); }
    std::string write(const std::string& name, const std::string& content) const
    {
        std::string p = path + "/" + name;
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }
    void copy(const std::string& from, const std::string& name) const
    {
        std::ifstream in(from, std::ios::binary);
        ASSERT_TRUE(in) << from;
        std::ofstream(path + "/" + name, std::ios::binary) << in.rdbuf();
    }
    std::string path;
};

std::unique_ptr<id3v1tags> parse(const std::string& bytes)
{
    return std::unique_ptr<id3v1tags>(
        parseV1Tags(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

TEST(Id3v1, NulPaddedFieldsEndAtTheFirstNul)
{
    auto tags = parse(tagRecord("Cold Storage", "Freezer Burn"));
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->title, "Cold Storage");
    EXPECT_EQ(tags->artist, "Freezer Burn");
    EXPECT_EQ(tags->album, "Album");
    EXPECT_EQ(tags->year, "1999");
    EXPECT_EQ(tags->comment, "Comment");
    EXPECT_EQ(tags->genre, 0x34);
}

TEST(Id3v1, FullFieldsUseAllBytesAndKeepTrailingSpaces)
{
    std::string title(30, 'T');
    std::string artist = "Band" + std::string(26, ' ');
    auto tags = parse(tagRecord(title, artist));
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->title, title);
    EXPECT_EQ(tags->artist, artist);
    EXPECT_EQ(tags->artist.size(), 30u);
}

TEST(Id3v1, NoTagOrTooFewBytesGiveNull)
{
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

    // The tag must sit at the very end: a record followed by more data is none.
    std::string moved = dir.write("moved.ogg", tagRecord("Title", "Artist") + std::string(10, 'x'));
    // Shorter than a record, even when it starts with "TAG".
    std::string shortFile = dir.write("short.ogg", "TAG" + std::string(100, 'a'));
    std::string missing = dir.path + "/missing.ogg";
    testing::internal::CaptureStderr();
    EXPECT_EQ(MusicManager::getV1Tags(moved.c_str()), nullptr);
    EXPECT_EQ(MusicManager::getV1Tags(shortFile.c_str()), nullptr);
    EXPECT_EQ(MusicManager::getV1Tags(missing.c_str()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "This file does not contain ID3v1 information\n"
              "This file does not contain ID3v1 information\n"
              "Can't open " + missing + "\n");
}

TEST(TrackStepping, WrapsToTheOtherEndWhateverTheStep)
{
    EXPECT_EQ(wrapTrack(-1, 1, 3), 0);  // nothing played yet
    EXPECT_EQ(wrapTrack(0, 1, 3), 1);
    EXPECT_EQ(wrapTrack(2, 1, 3), 0);
    EXPECT_EQ(wrapTrack(0, -1, 3), 2);
    EXPECT_EQ(wrapTrack(1, 5, 3), 0);
    EXPECT_EQ(wrapTrack(1, -5, 3), 2);
}

TEST(SoundSamples, EmptyFolderReportsTheFirstNumberAndEveryPlayIsOutOfBounds)
{
    testing::internal::CaptureStderr();
    SoundEffectManager sfx("/nonexistent-sound-dir");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "/nonexistent-sound-dir/0.wav is missing\n");
    EXPECT_EQ(sfx.addSample("/nonexistent-sound-dir/0.wav"), -1);

    testing::internal::CaptureStdout();
    sfx.playSample(0);
    sfx.playSample(3, true, 2);
    sfx.loopSample(7, -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Sample 0 is out of bounds\nSample 3 is out of bounds\nSample 7 is out of bounds\n");
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
        int freq;
        Uint16 format;
        int channels;
        while (Mix_QuerySpec(&freq, &format, &channels))
            Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    static bool isOpen()
    {
        int freq;
        Uint16 format;
        int channels;
        return Mix_QuerySpec(&freq, &format, &channels) != 0;
    }
    const std::string data = std::string(LARDER_SOURCE_DIR) + "/data";
};

TEST_F(AudioDevice, TwelveSamplesLoadAndTheThirteenthIsOutOfBounds)
{
    TempDir dir;
    for (int i = 0; i < 12; i++)
        dir.copy(data + "/sounds/" + std::to_string(i) + ".wav", std::to_string(i) + ".wav");
    testing::internal::CaptureStderr();
    SoundEffectManager sfx(dir.path.c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), dir.path + "/12.wav is missing\n");
    EXPECT_EQ(sfx.samples.size(), 12u);

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    sfx.playSample(12);
    sfx.playSample(11);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Sample 12 is out of bounds\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(AudioDevice, FixedChannelCutsOffItsLastSoundAndFullMixerFailsQuietly)
{
    testing::internal::CaptureStderr();
    SoundEffectManager sfx((data + "/sounds").c_str());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), data + "/sounds/12.wav is missing\n");
    ASSERT_EQ(sfx.samples.size(), 12u);
    sfx.playSample(8, true, 1);
    sfx.playSample(8, true, 1);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_Playing(1), 1);

    // Fill the other seven channels with endless loops, then ask for one more.
    for (int i = 0; i < 7; i++)
        sfx.loopSample(11, -1);
    EXPECT_EQ(Mix_Playing(-1), 8);
    testing::internal::CaptureStderr();
    sfx.playSample(4);
    EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("Couldn't play sample 4: ", 0), 0u);
    Mix_HaltChannel(-1);
}

TEST_F(AudioDevice, TracksLoadWithTagsAndStepRound)
{
    TempDir dir;
    dir.copy(data + "/music/0.ogg", "0.ogg");
    dir.copy(data + "/music/1.ogg", "1.ogg");
    testing::internal::CaptureStderr();
    auto tunes = std::make_unique<MusicManager>(dir.path.c_str());
    std::string err = testing::internal::GetCapturedStderr();
    ASSERT_EQ(tunes->size(), 2);
    std::string missing = dir.path + "/2.ogg";
    EXPECT_EQ(err.rfind("Err.) Can't load " + missing + "... ", 0), 0u) << err;
    EXPECT_NE(err.find("\nErr.) Music file " + missing + " is missing\n"), std::string::npos) << err;
    EXPECT_EQ(err.find("No music found"), std::string::npos);
    EXPECT_EQ(tunes->getTrackName(), "Not playing music");

    testing::internal::CaptureStdout();
    tunes->changeTrack(1);   // from "none" to the first
    EXPECT_EQ(tunes->curTrack, 0);
    tunes->changeTrack(-1);  // below the first to the last
    EXPECT_EQ(tunes->curTrack, 1);
    tunes->changeTrack(1);   // past the last to the first
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Pass) Playing track 0 (Freezer Burn - Cold Storage)\n"
              "Pass) Playing track 1 (Freezer Burn - Meat Locker Shuffle)\n"
              "Pass) Playing track 0 (Freezer Burn - Cold Storage)\n");
    EXPECT_EQ(tunes->getTrackName(), "Freezer Burn - Cold Storage");
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(Mix_Volume(0, -1), 100);

    testing::internal::CaptureStderr();
    tunes->playTrack(2, false);
    tunes->playTrack(-1, false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Err.) Music track 2 is out of range [0,1]\n"
              "Err.) Music track -1 is out of range [0,1]\n");
    EXPECT_EQ(tunes->curTrack, 0);

    // The manager closes the device; the game object closes it once more
    // afterwards, which SDL_mixer ignores once the device is shut.
    tunes.reset();
    EXPECT_FALSE(isOpen());
    Mix_CloseAudio();
    EXPECT_FALSE(isOpen());
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 4096), 0) << Mix_GetError();
    EXPECT_TRUE(isOpen());
}

TEST_F(AudioDevice, UntaggedTrackIsNamedSo)
{
    TempDir dir;
    // The encoder's own file has no ID3v1 record once the last 128 bytes go.
    std::ifstream in(data + "/music/1.ogg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    dir.write("0.ogg", bytes.substr(0, bytes.size() - 128));
    testing::internal::CaptureStderr();
    MusicManager tunes(dir.path.c_str());
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.rfind("This file does not contain ID3v1 information\n", 0), 0u) << err;
    testing::internal::CaptureStdout();
    tunes.playTrack(0, false);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Pass) Playing track 0\n");
    EXPECT_EQ(tunes.getTrackName(), "File not tagged");
}

TEST_F(AudioDevice, EmptyFolderGivesNoTracks)
{
    testing::internal::CaptureStderr();
    MusicManager none("/nonexistent-music-dir");
    none.playTrack(0, true);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Err.) Music file /nonexistent-music-dir/0.ogg is missing\n"
                       "Err.) No music found, disabling\n"
                       "Err.) Music track 0 is out of range [0,-1]\n"),
              std::string::npos) << err;
}

} // namespace
