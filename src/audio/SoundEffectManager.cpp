#include "audio/SoundEffectManager.h"

#include <cstdio>
#include <string>

SoundEffectManager::SoundEffectManager(const char* dir)
{
    for (int i = 0;; i++) {
        char number[16];
        snprintf(number, sizeof number, "/%i.wav", i);
        std::string name = std::string(dir) + number;
        if (addSample(name.c_str()) < 0) {
            fprintf(stderr, "%s is missing\n", name.c_str());
            break;
        }
    }
}

SoundEffectManager::~SoundEffectManager()
{
    for (Mix_Chunk* chunk : samples)
        Mix_FreeChunk(chunk);
}

int SoundEffectManager::addSample(const char* filename)
{
    SDL_RWops* file = SDL_RWFromFile(filename, "rb");
    if (!file)
        return -1;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(file, 1);
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
    if (samp >= samples.size()) {
        printf("Sample %i is out of bounds\n", (int)samp);
        return;
    }
    if (Mix_PlayChannelTimed(channel, samples[samp], loops, -1) == -1)
        fprintf(stderr, "Couldn't play sample %i: %s\n", (int)samp, Mix_GetError());
}
