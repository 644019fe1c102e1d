#pragma once

// Sound samples of a numbered folder. Samples are not loaded yet: playing
// one does nothing.
class SoundEffectManager {
public:
    explicit SoundEffectManager(const char* dir);
    void playSample(unsigned int, bool = false) {}
    void playSample(unsigned int, bool, unsigned int) {}
    void loopSample(unsigned int, int) {}
};
