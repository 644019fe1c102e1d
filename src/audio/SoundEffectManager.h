#pragma once
#include <SDL_mixer.h>

#include <vector>

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

    std::vector<Mix_Chunk*> samples;

private:
    void play(unsigned int samp, int channel, int loops);
};
