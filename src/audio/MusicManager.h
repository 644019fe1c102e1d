#pragma once
#include <SDL_mixer.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// The ID3v1 record kept in the last 128 bytes of a tagged music file.
struct id3v1tags {
    std::string title;
    std::string artist;
    std::string album;
    std::string year;
    std::string comment;
    unsigned char genre = 0;
};

// Size of an ID3v1 record at the end of a file.
const std::size_t ID3V1_SIZE = 128;

// Reads an ID3v1 record from `size` bytes taken from the end of a file.
// Returns a new record, or null when the bytes are
// fewer than a record or do not start with "TAG". Text fields end at their
// first NUL byte, or fill the whole field when they have none.
std::unique_ptr<id3v1tags> parseV1Tags(const unsigned char* bytes, std::size_t size);

// The track reached by stepping `dt` from `cur` among `count` tracks: past
// the last it wraps to 0, below 0 to the last, whatever the size of the step.
int wrapTrack(int cur, int dt, int count);

// One loaded music file and its tag.
struct MusicTrack {
    Mix_Music* data = nullptr;  // owned; null for a file that could not be read
    std::unique_ptr<id3v1tags> tags;  // null when the file has no tag
};

// Every numbered music file of a folder ("0.ogg", "1.ogg", ...), played on
// SDL_mixer's music channel. The audio device must be open before the manager
// is made; the manager closes it when destroyed.
class MusicManager {
public:
    explicit MusicManager(const char* dir);
    ~MusicManager();
    MusicManager(const MusicManager&) = delete;
    MusicManager& operator=(const MusicManager&) = delete;

    // 0 when the file loaded and was appended, -1 when SDL_mixer refused it.
    int loadTrack(const char* file);
    void playTrack(int track, bool bLooping);
    // Steps `dt` tracks from the current one, wrapping round, and plays it looping.
    void changeTrack(int dt);
    // "artist - title" of the current track, or why there is none.
    std::string getTrackName() const;
    int size() const { return (int)tracks.size(); }

    // Reads the ID3v1 tag of a file: a new record, or null (with a message on
    // stderr) when the file cannot be opened or carries no tag.
    static std::unique_ptr<id3v1tags> getV1Tags(const char* file);

    std::vector<std::unique_ptr<MusicTrack>> tracks;
    int curTrack = -1;
};
