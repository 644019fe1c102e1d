#pragma once
#include <memory>

#include "game/AudioDevice.h"
#include "game/Platform.h"

class SpriteManager;
class MusicManager;
class SoundEffectManager;
class KelBitmapFont;

// What the game shows and plays through: the platform, the audio device, the
// sprite sets, the music, the samples and the fonts. Destroyed in the reverse
// of this order, so the platform outlives everything that draws or plays.
struct Devices {
    explicit Devices(std::unique_ptr<Platform> platform);
    ~Devices();
    Devices(const Devices&) = delete;
    Devices& operator=(const Devices&) = delete;

    // Where the window, events, keys and time come from; tests replace it.
    std::unique_ptr<Platform> io;
    // The platform opened a window with an OpenGL context. Without one the
    // rules run as usual and every drawing call does nothing.
    bool bHasScreen = false;
    // Closed once every manager declared below has been destroyed.
    AudioDevice audio;

    std::unique_ptr<SpriteManager> actorSprites;
    std::unique_ptr<SpriteManager> tileSprites;
    std::unique_ptr<SpriteManager> portraitSprites;
    std::unique_ptr<MusicManager> tunes;
    std::unique_ptr<SoundEffectManager> sfx;
    std::unique_ptr<KelBitmapFont> font;
    std::unique_ptr<KelBitmapFont> smallfont;
};
