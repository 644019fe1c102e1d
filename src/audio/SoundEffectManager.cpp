#include "audio/SoundEffectManager.h"

#include <cstdio>
#include <fstream>
#include <string>

#include "data/DataFile.h"

namespace {

unsigned readLittle(const unsigned char* p, int bytes)
{
    unsigned value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

} // namespace

bool wavFormatIsSane(const unsigned char* bytes, size_t size)
{
    if (size < 12 || std::string((const char*)bytes, 4) != "RIFF" ||
        std::string((const char*)bytes + 8, 4) != "WAVE")
        return true;  // not a RIFF wave: the mixer's own checks decide
    size_t at = 12;
    while (at + 8 <= size) {
        unsigned length = readLittle(bytes + at + 4, 4);
        if (std::string((const char*)bytes + at, 4) == "fmt ") {
            if (length < 16 || at + 8 + 16 > size)
                return false;
            const unsigned char* fmt = bytes + at + 8;
            unsigned channels = readLittle(fmt + 2, 2);
            unsigned rate = readLittle(fmt + 4, 4);
            unsigned bits = readLittle(fmt + 14, 2);
            return channels >= 1 && channels <= MAX_WAV_CHANNELS && rate >= MIN_WAV_RATE &&
                   rate <= MAX_WAV_RATE && bits >= 1 && bits <= 32;
        }
        // Chunks are padded to an even length.
        at += 8 + (size_t)length + (length & 1);
    }
    return true;
}

SoundEffectManager::SoundEffectManager(const char* dir)
{
    for (int i = 0;; i++) {
        char number[16];
        snprintf(number, sizeof number, "/%i.wav", i);
        std::string name = std::string(dir) + number;
        if (addSample(name.c_str()) >= 0)
            continue;
        if (!pathExists(name.c_str())) {
            fprintf(stderr, "%s is missing\n", name.c_str());
            break;
        }
        // There but not readable: the sample stays silent and the numbers
        // after it keep their places.
        fprintf(stderr, "%s is unreadable; sample %i stays silent\n", name.c_str(), i);
        samples.push_back(nullptr);
    }
}

SoundEffectManager::~SoundEffectManager()
{
    for (Mix_Chunk* chunk : samples) {
        if (chunk)
            Mix_FreeChunk(chunk);
    }
}

int SoundEffectManager::addSample(const char* filename)
{
    // A header with no channels or no sample rate sends SDL's converter into
    // endless recursion: such a file is checked here and refused.
    std::ifstream in;
    if (!openDataFile(in, filename))
        return -1;
    std::vector<unsigned char> header(WAV_HEADER_BYTES);
    in.read((char*)header.data(), (std::streamsize)header.size());
    header.resize((size_t)in.gcount());
    if (!wavFormatIsSane(header.data(), header.size()))
        return -1;
    Mix_Chunk* chunk = Mix_LoadWAV(filename);
    if (!chunk)
        return -1;
    samples.push_back(chunk);
    return (int)samples.size() - 1;
}

void SoundEffectManager::playSample(unsigned int samp)
{
    play(samp, -1, 0);
}

void SoundEffectManager::playSample(unsigned int samp, bool override)
{
    play(samp, override ? 0 : -1, 0);
}

void SoundEffectManager::playSample(unsigned int samp, bool override, unsigned int overrideChan)
{
    play(samp, override ? (int)overrideChan : -1, 0);
}

void SoundEffectManager::loopSample(unsigned int samp, int loops)
{
    play(samp, -1, loops);
}

void SoundEffectManager::play(unsigned int samp, int channel, int loops)
{
    if (listener)
        listener(samp, channel);
    if (samp >= samples.size()) {
        printf("Sample %i is out of bounds\n", (int)samp);
        return;
    }
    if (!samples[samp])
        return;  // unreadable, reported at start-up
    if (Mix_PlayChannelTimed(channel, samples[samp], loops, -1) == -1)
        fprintf(stderr, "Couldn't play sample %i: %s\n", (int)samp, Mix_GetError());
}
