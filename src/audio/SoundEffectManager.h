#pragma once
#include <SDL_mixer.h>

#include <cstddef>
#include <functional>
#include <vector>

// Limits of a wave file's format block that the mixer can convert.
const unsigned MAX_WAV_CHANNELS = 8;
const unsigned MIN_WAV_RATE = 1000;
const unsigned MAX_WAV_RATE = 384000;
// Bytes of a file read to find its format block.
const size_t WAV_HEADER_BYTES = 4096;

// False when `bytes`, the start of a RIFF wave file, hold a format block
// with no channels, a sample rate or sample size the mixer cannot convert,
// or a truncated format block. Anything that is not a RIFF wave, or whose
// format block lies beyond `size`, is left to the mixer.
bool wavFormatIsSane(const unsigned char* bytes, size_t size);

// Every numbered sample of a folder ("0.wav", "1.wav", ...), played on
// SDL_mixer's mixing channels: on the first free one, or on a fixed channel
// so that a new sound of one kind cuts off the last one of that kind.
class SoundEffectManager {
public:
    explicit SoundEffectManager(const char* dir);
    ~SoundEffectManager();
    SoundEffectManager(const SoundEffectManager&) = delete;
    SoundEffectManager& operator=(const SoundEffectManager&) = delete;

    // Loads one WAV file: its index, or -1 when it does not load.
    int addSample(const char* filename);
    // Plays once on the first free channel.
    void playSample(unsigned int samp);
    // Plays once, on channel 0 when `override`.
    void playSample(unsigned int samp, bool override);
    // Plays once, on channel `overrideChan` when `override`.
    void playSample(unsigned int samp, bool override, unsigned int overrideChan);
    // Plays on the first free channel, `loops` extra times (-1: until stopped).
    void loopSample(unsigned int samp, int loops);

    // Null for a file that exists but could not be read.
    std::vector<Mix_Chunk*> samples;
    // Told of every sample asked for (its channel, -1 for the first free
    // one) before it plays, if it can: lets tests follow the game's sounds.
    std::function<void(unsigned sample, int channel)> listener;

private:
    void play(unsigned int samp, int channel, int loops);
};
