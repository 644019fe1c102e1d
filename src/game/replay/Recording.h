#pragma once
#include <SDL.h>
#include <cstdint>
#include <string>
#include <vector>

// One recorded frame of play: how long it took, the keys held when it began
// and every input event it consumed, in order.
struct RecordedFrame {
    Uint32 ms = 0;
    std::vector<Uint16> heldKeys;
    std::vector<SDL_Event> events;
};

// A recorded play session: enough to play it again exactly. The file is
// binary, little-endian, versioned and closed by a checksum of its content;
// the README describes it field by field.
struct Recording {
    static const uint32_t VERSION = 1;

    bool survival = false; // the mode: story game or survival
    uint64_t seed = 0;     // the random generator's state when play started
    Uint32 startTicks = 0; // the clock when play started
    std::vector<RecordedFrame> frames;
    uint32_t finalState = 0; // the world checksum when play ended

    // Only these events are recorded; the game ignores all others in play.
    static bool isRecorded(const SDL_Event& e);

    // Both return false with a reason in `error` on failure.
    bool save(const std::string& path, std::string& error) const;
    bool load(const std::string& path, std::string& error);
};
