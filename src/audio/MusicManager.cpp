#include "audio/MusicManager.h"

#include <cstdio>

#include "data/DataFile.h"

namespace {

// A text field of the tag: up to its first NUL, or all of it.
std::string tagText(const unsigned char* field, std::size_t length)
{
    std::size_t n = 0;
    while (n < length && field[n] != 0)
        n++;
    return std::string(reinterpret_cast<const char*>(field), n);
}

} // namespace

std::unique_ptr<id3v1tags> parseV1Tags(const unsigned char* bytes, std::size_t size)
{
    if (size < ID3V1_SIZE || bytes[0] != 'T' || bytes[1] != 'A' || bytes[2] != 'G')
        return nullptr;
    auto tags = std::make_unique<id3v1tags>();
    tags->title = tagText(bytes + 3, 30);
    tags->artist = tagText(bytes + 33, 30);
    tags->album = tagText(bytes + 63, 30);
    tags->year = tagText(bytes + 93, 4);
    tags->comment = tagText(bytes + 97, 30);
    tags->genre = bytes[127];
    return tags;
}

int wrapTrack(int cur, int dt, int count)
{
    int next = cur + dt;
    if (next < 0)
        next = count - 1;
    else if (next >= count)
        next = 0;
    return next;
}

MusicManager::MusicManager(const char* dir)
{
    std::string name;
    int playable = 0;
    for (int i = 0;; i++) {
        char number[16];
        snprintf(number, sizeof number, "/%i.ogg", i);
        name = std::string(dir) + number;
        if (loadTrack(name.c_str()) == 0) {
            playable++;
            continue;
        }
        if (!pathExists(name.c_str()))
            break;
        // There but not readable: the track stays silent and the numbers
        // after it keep their places, so one bad file costs one track.
        fprintf(stderr, "Err.) Music file %s is unreadable; track %i stays silent\n", name.c_str(), i);
        tracks.push_back(std::make_unique<MusicTrack>());
    }
    // The scan always ends on a number that did not load.
    fprintf(stderr, "Err.) Music file %s is missing\n", name.c_str());
    if (playable == 0)
        fprintf(stderr, "Err.) No music found, disabling\n");
}

MusicManager::~MusicManager()
{
    Mix_HaltMusic();
    for (auto& t : tracks) {
        if (t->data)
            Mix_FreeMusic(t->data);
    }
    tracks.clear();
    // Last: nothing may play once the music is gone.
    Mix_CloseAudio();
}

int MusicManager::loadTrack(const char* file)
{
    Mix_Music* music = Mix_LoadMUS(file);
    if (!music) {
        fprintf(stderr, "Err.) Can't load %s... %s\n", file, Mix_GetError());
        return -1;
    }
    auto track = std::make_unique<MusicTrack>();
    track->data = music;
    track->tags = getV1Tags(file);
    tracks.push_back(std::move(track));
    return 0;
}

void MusicManager::playTrack(int track, bool bLooping)
{
    if (track < 0 || track >= size()) {
        fprintf(stderr, "Err.) Music track %i is out of range [0,%i]\n", track, size() - 1);
        return;
    }
    MusicTrack* t = tracks[track].get();
    if (!t->data) {
        fprintf(stderr, "Err.) Music track %i is unreadable\n", track);
        return;
    }
    if (Mix_PlayMusic(t->data, bLooping ? -1 : 0) == -1) {
        fprintf(stderr, "Err.) SDL_mixer error %s\n", Mix_GetError());
        return;
    }
    printf("Pass) Playing track %i", track);
    if (t->tags)
        printf(" (%s - %s)\n", t->tags->artist.c_str(), t->tags->title.c_str());
    else
        printf("\n");
    // Channel 0 carries the overriding samples (shots, clicks); keep it
    // a little below the music.
    Mix_Volume(0, 100);
    curTrack = track;
}

void MusicManager::changeTrack(int dt)
{
    curTrack = wrapTrack(curTrack, dt, size());
    // Unreadable tracks are stepped over in the same direction.
    for (int tries = 1; tries < size() && !tracks[curTrack]->data; tries++)
        curTrack = wrapTrack(curTrack, dt < 0 ? -1 : 1, size());
    Mix_HaltMusic();
    playTrack(curTrack, true);
}

std::string MusicManager::getTrackName() const
{
    if (curTrack < 0 || curTrack >= size())
        return "Not playing music";
    const id3v1tags* tags = tracks[curTrack]->tags.get();
    if (!tags)
        return "File not tagged";
    return tags->artist + " - " + tags->title;
}

std::unique_ptr<id3v1tags> MusicManager::getV1Tags(const char* file)
{
    FILE* f = fopen(file, "rb");
    if (!f) {
        fprintf(stderr, "Can't open %s\n", file);
        return nullptr;
    }
    unsigned char record[ID3V1_SIZE];
    // A file shorter than a record cannot hold one: the seek fails there.
    bool bRead = fseek(f, -(long)ID3V1_SIZE, SEEK_END) == 0
                 && fread(record, 1, ID3V1_SIZE, f) == ID3V1_SIZE;
    fclose(f);
    std::unique_ptr<id3v1tags> tags = bRead ? parseV1Tags(record, ID3V1_SIZE) : nullptr;
    if (!tags)
        fprintf(stderr, "This file does not contain ID3v1 information\n");
    return tags;
}
