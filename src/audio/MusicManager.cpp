#include "audio/MusicManager.h"

MusicManager::MusicManager(const char*) {}
