#include "game/replay/Recording.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <sys/stat.h>

#include "data/DataFile.h"

namespace {
const char MAGIC[8] = {'L', '2', 'R', 'E', 'P', 'L', 'A', 'Y'};
class Writer {
public:
    std::string out;
    void u8(uint8_t v) { out.push_back((char)v); }
    void u16(uint16_t v) { u8(v & 0xff); u8(v >> 8); }
    void u32(uint32_t v) { u16(v & 0xffff); u16(v >> 16); }
    void u64(uint64_t v) { u32((uint32_t)v); u32((uint32_t)(v >> 32)); }
};

// Reads fields off the end of a buffer; any read past its end sets `short_`.
class Reader {
public:
    explicit Reader(const std::string& b, size_t end) : bytes(b), limit(end) {}
    bool short_ = false;
    uint8_t u8()
    {
        if (pos >= limit) {
            short_ = true;
            return 0;
        }
        return (uint8_t)bytes[pos++];
    }
    uint16_t u16() { uint16_t lo = u8(); return (uint16_t)(lo | (u8() << 8)); }
    uint32_t u32() { uint32_t lo = u16(); return lo | ((uint32_t)u16() << 16); }
    uint64_t u64() { uint64_t lo = u32(); return lo | ((uint64_t)u32() << 32); }
    bool atEnd() const { return pos == limit; }

private:
    const std::string& bytes;
    size_t limit;
    size_t pos = 0;
};

void writeEvent(Writer& w, const SDL_Event& e)
{
    w.u8(e.type);
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        w.u16((uint16_t)e.key.keysym.sym);
        w.u16((uint16_t)e.key.keysym.mod);
        w.u16(e.key.keysym.unicode);
        break;
    case SDL_MOUSEMOTION:
        w.u16(e.motion.x);
        w.u16(e.motion.y);
        w.u16((uint16_t)e.motion.xrel);
        w.u16((uint16_t)e.motion.yrel);
        w.u8(e.motion.state);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        w.u8(e.button.button);
        w.u16(e.button.x);
        w.u16(e.button.y);
        break;
    default: // SDL_QUIT carries nothing more
        break;
    }
}

bool readEvent(Reader& r, SDL_Event& e)
{
    e = SDL_Event();
    e.type = r.u8();
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        uint16_t sym = r.u16();
        if (sym >= SDLK_LAST)
            return false;
        e.key.type = e.type;
        e.key.state = e.type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.key.keysym.sym = (SDLKey)sym;
        e.key.keysym.mod = (SDLMod)r.u16();
        e.key.keysym.unicode = r.u16();
        return true;
    }
    case SDL_MOUSEMOTION:
        e.motion.x = r.u16();
        e.motion.y = r.u16();
        e.motion.xrel = (Sint16)r.u16();
        e.motion.yrel = (Sint16)r.u16();
        e.motion.state = r.u8();
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        e.button.button = r.u8();
        e.button.state = e.type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
        e.button.x = r.u16();
        e.button.y = r.u16();
        return true;
    case SDL_QUIT:
        return true;
    default:
        return false;
    }
}
}

uint32_t recordingChecksum(const char* bytes, size_t length)
{
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < length; i++)
        h = (h ^ (uint8_t)bytes[i]) * 16777619u;
    return h;
}

bool Recording::isRecorded(const SDL_Event& e)
{
    switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_QUIT:
        return true;
    default:
        return false;
    }
}

namespace {
// The limits of one recording, checked while it is read or before it is
// written; false with the reason.
class LimitCheck {
public:
    bool frame(const RecordedFrame& f, std::string& error)
    {
        return frameMs(f.ms, error) && counts(f.heldKeys.size(), f.events.size(), error);
    }
    static bool frameMs(Uint32 ms, std::string& error)
    {
        if (ms <= Recording::MAX_FRAME_MS)
            return true;
        error = "a frame lasts " + std::to_string(ms) + " ms (at most " +
                std::to_string(Recording::MAX_FRAME_MS) + " are allowed)";
        return false;
    }
    bool counts(size_t heldKeys, size_t events, std::string& error)
    {
        held += heldKeys;
        all += events;
        if (heldKeys > 0xffff || events > 0xffff || held > Recording::MAX_HELD_KEYS ||
            all > Recording::MAX_EVENTS) {
            error = "it holds more input than a recording may (" + std::to_string(Recording::MAX_EVENTS) +
                    " events, " + std::to_string(Recording::MAX_HELD_KEYS) + " held keys)";
            return false;
        }
        return true;
    }
    static bool frameCount(size_t count, std::string& error)
    {
        if (count <= Recording::MAX_FRAMES)
            return true;
        error = "it holds " + std::to_string(count) + " frames (at most " +
                std::to_string(Recording::MAX_FRAMES) + " are allowed)";
        return false;
    }

private:
    size_t held = 0, all = 0;
};

uint32_t u32At(const std::string& bytes, size_t at)
{
    return (uint8_t)bytes[at] | ((uint8_t)bytes[at + 1] << 8) | ((uint8_t)bytes[at + 2] << 16) |
           ((uint32_t)(uint8_t)bytes[at + 3] << 24);
}

// Up to `limit` bytes of the file after those already in `bytes`; false
// when it holds more.
bool readRest(FILE* file, std::string& bytes, size_t limit)
{
    struct stat st;
    if (fstat(fileno(file), &st) == 0 && S_ISREG(st.st_mode) && (size_t)st.st_size <= limit)
        bytes.reserve((size_t)st.st_size);
    char chunk[65536];
    size_t n;
    while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (bytes.size() + n > limit)
            return false;
        bytes.append(chunk, n);
    }
    return true;
}
}

bool Recording::save(const std::string& path, std::string& error) const
{
    std::string bytes;
    return encode(bytes, error) && writeFileAtomically(path, bytes, error);
}

bool Recording::encode(std::string& bytes, std::string& error) const
{
    LimitCheck limits;
    if (!LimitCheck::frameCount(frames.size(), error))
        return false;
    for (const RecordedFrame& f : frames) {
        if (!limits.frame(f, error))
            return false;
    }
    Writer w;
    w.out.assign(MAGIC, sizeof MAGIC);
    w.u32(VERSION);
    w.u8(survival ? 1 : 0);
    w.u64(seed);
    w.u32(startTicks);
    w.u32((uint32_t)frames.size());
    for (const RecordedFrame& f : frames) {
        w.u32(f.ms);
        w.u16((uint16_t)f.heldKeys.size());
        for (Uint16 k : f.heldKeys)
            w.u16(k);
        w.u16((uint16_t)f.events.size());
        for (const SDL_Event& e : f.events)
            writeEvent(w, e);
    }
    w.u32(finalState);
    w.u32(recordingChecksum(w.out.data(), w.out.size()));
    bytes = std::move(w.out);
    return true;
}

// The header is read and checked first; then no more than the largest
// recording can take, so that a device or an endless file is refused early.
bool Recording::load(const std::string& path, std::string& error)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(fopen(path.c_str(), "rb"), fclose);
    if (!file) {
        error = std::string("cannot open the file: ") + strerror(errno);
        return false;
    }
    std::string bytes(HEADER_BYTES, '\0');
    size_t got = fread(&bytes[0], 1, HEADER_BYTES, file.get());
    if (got < sizeof MAGIC || bytes.compare(0, sizeof MAGIC, MAGIC, sizeof MAGIC) != 0) {
        error = "not a Larder ][ recording";
        return false;
    }
    if (got < HEADER_BYTES) {
        error = "the recording is truncated";
        return false;
    }
    Reader header(bytes, HEADER_BYTES);
    for (size_t i = 0; i < sizeof MAGIC; i++)
        header.u8();
    uint32_t version = header.u32();
    if (version != VERSION) {
        error = "recording version " + std::to_string(version) + " (this game reads version " +
                std::to_string(VERSION) + ")";
        return false;
    }
    uint8_t mode = header.u8();
    if (mode > 1) {
        error = "unknown game mode " + std::to_string(mode);
        return false;
    }
    uint64_t headerSeed = header.u64();
    Uint32 headerTicks = header.u32();
    uint32_t count = header.u32();
    if (!LimitCheck::frameCount(count, error))
        return false;
    if (!readRest(file.get(), bytes, MAX_FILE_BYTES)) {
        error = "the file is larger than any recording (" + std::to_string(MAX_FILE_BYTES) + " bytes)";
        return false;
    }
    // Every frame takes at least 8 bytes; the final state and checksum 8.
    if (bytes.size() < HEADER_BYTES + count * 8ull + 8) {
        error = "the recording is truncated";
        return false;
    }
    size_t body = bytes.size() - 4;
    if (u32At(bytes, body) != recordingChecksum(bytes.data(), body)) {
        error = "the recording is truncated or damaged";
        return false;
    }

    Reader whole(bytes, body);
    for (size_t i = 0; i < HEADER_BYTES; i++)
        whole.u8();
    LimitCheck limits;
    std::vector<RecordedFrame> read;
    read.reserve(count);
    for (uint32_t i = 0; i < count; i++) {
        RecordedFrame f;
        f.ms = whole.u32();
        if (!LimitCheck::frameMs(f.ms, error))
            return false;
        uint16_t held = whole.u16();
        if (!limits.counts(held, 0, error))
            return false;
        f.heldKeys.reserve(held);
        for (uint16_t k = 0; k < held && !whole.short_; k++) {
            f.heldKeys.push_back(whole.u16());
            if (f.heldKeys.back() >= SDLK_LAST)
                whole.short_ = true;
        }
        uint16_t events = whole.u16();
        if (!limits.counts(0, events, error))
            return false;
        f.events.reserve(events);
        for (uint16_t k = 0; k < events && !whole.short_; k++) {
            SDL_Event e;
            if (!readEvent(whole, e))
                whole.short_ = true;
            f.events.push_back(e);
        }
        if (whole.short_)
            break;
        read.push_back(std::move(f));
    }
    uint32_t state = whole.u32();
    if (whole.short_ || !whole.atEnd()) {
        error = "the recording is damaged";
        return false;
    }
    survival = mode == 1;
    seed = headerSeed;
    startTicks = headerTicks;
    frames = std::move(read);
    finalState = state;
    return true;
}
