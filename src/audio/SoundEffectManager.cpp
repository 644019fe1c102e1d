#include "audio/SoundEffectManager.h"

SoundEffectManager::SoundEffectManager(const char*) {}
