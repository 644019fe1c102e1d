#pragma once
#include "game/Platform.h"

// The audio device as a member of the game object: opened through the
// platform, closed when the member is destroyed, which member order places
// after every manager that plays on it.
class AudioDevice {
public:
    AudioDevice() = default;
    ~AudioDevice()
    {
        if (platform)
            platform->closeAudio();
    }
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    void open(Platform& io)
    {
        io.openAudio();
        platform = &io;
    }

private:
    Platform* platform = nullptr;
};
