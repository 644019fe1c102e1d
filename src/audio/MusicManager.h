#pragma once
#include <string>

// Music tracks of a numbered folder. Tracks are not loaded yet: the manager
// answers as one that found no music.
class MusicManager {
public:
    explicit MusicManager(const char* dir);
    std::string getTrackName() const { return "Not playing music"; }
};
