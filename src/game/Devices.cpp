#include "game/Devices.h"

#include "audio/MusicManager.h"
#include "audio/SoundEffectManager.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"

// Out of line, where the managers are complete types.
Devices::Devices(std::unique_ptr<Platform> platform) : io(std::move(platform)) {}

Devices::~Devices() = default;
