#pragma once
#include <SDL.h>
#include <cstdint>
#include <string>
#include <vector>

// The checksum that closes a recording file: FNV-1a of every byte before it.
uint32_t recordingChecksum(const char* bytes, size_t length);

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

    // What a recording may hold. A frame of the game never lasts a second;
    // the rest allows games of hours (an hour at 60 frames a second is
    // 216,000 frames) while keeping the largest recording a few hundred MB
    // in memory. A longer recording is refused, not half kept.
    static constexpr Uint32 MAX_FRAME_MS = 1000;
    static constexpr uint32_t MAX_FRAMES = 1000000;
    static constexpr uint32_t MAX_EVENTS = 2000000;    // all frames together
    static constexpr uint32_t MAX_HELD_KEYS = 4000000; // the held keys of all frames together
    // The fields before the frames, and the largest file the limits allow.
    static constexpr size_t HEADER_BYTES = 8 + 4 + 1 + 8 + 4 + 4;
    static constexpr size_t MAX_FILE_BYTES =
        HEADER_BYTES + MAX_FRAMES * 8ull + MAX_HELD_KEYS * 2ull + MAX_EVENTS * 10ull + 8;

    bool survival = false; // the mode: story game or survival
    uint64_t seed = 0;     // the random generator's state when play started
    Uint32 startTicks = 0; // the clock when play started
    std::vector<RecordedFrame> frames;
    uint32_t finalState = 0; // the world checksum when play ended

    // Only these events are recorded; the game ignores all others in play.
    static bool isRecorded(const SDL_Event& e);

    // Both return false with a reason in `error` on failure. A recording
    // over the limits above is neither saved nor loaded.
    bool save(const std::string& path, std::string& error) const;
    // The file's bytes, as save writes them.
    bool encode(std::string& bytes, std::string& error) const;
    bool load(const std::string& path, std::string& error);
};
