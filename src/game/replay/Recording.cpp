#include "game/replay/Recording.h"

#include <fstream>
#include <iterator>

namespace {
const char MAGIC[8] = {'L', '2', 'R', 'E', 'P', 'L', 'A', 'Y'};
// Sanity limits: anything larger is a damaged file, not a long game.
const uint32_t MAX_FRAMES = 50000000;
const uint16_t MAX_EVENTS = 10000;

uint32_t fnv1a(const std::string& bytes, size_t length)
{
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < length; i++)
        h = (h ^ (uint8_t)bytes[i]) * 16777619u;
    return h;
}

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

bool Recording::save(const std::string& path, std::string& error) const
{
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
    w.u32(fnv1a(w.out, w.out.size()));

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(w.out.data(), (std::streamsize)w.out.size());
    file.close();
    if (!file) {
        error = "cannot write the file";
        return false;
    }
    return true;
}

bool Recording::load(const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open the file";
        return false;
    }
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (bytes.size() < sizeof MAGIC || bytes.compare(0, sizeof MAGIC, MAGIC, sizeof MAGIC) != 0) {
        error = "not a Larder ][ recording";
        return false;
    }
    if (bytes.size() < sizeof MAGIC + 8) {
        error = "the recording is truncated";
        return false;
    }
    size_t body = bytes.size() - 4;
    Reader whole(bytes, body);
    for (size_t i = 0; i < sizeof MAGIC; i++)
        whole.u8();
    uint32_t version = whole.u32();
    if (version != VERSION) {
        error = "recording version " + std::to_string(version) + " (this game reads version " +
                std::to_string(VERSION) + ")";
        return false;
    }
    // The stored checksum covers everything before it.
    uint32_t stored = (uint8_t)bytes[body] | ((uint8_t)bytes[body + 1] << 8) |
                      ((uint8_t)bytes[body + 2] << 16) | ((uint32_t)(uint8_t)bytes[body + 3] << 24);
    if (stored != fnv1a(bytes, body)) {
        error = "the recording is truncated or damaged";
        return false;
    }

    survival = whole.u8() != 0;
    seed = whole.u64();
    startTicks = whole.u32();
    uint32_t count = whole.u32();
    if (count > MAX_FRAMES) {
        error = "the recording is damaged";
        return false;
    }
    frames.clear();
    for (uint32_t i = 0; i < count && !whole.short_; i++) {
        RecordedFrame f;
        f.ms = whole.u32();
        uint16_t held = whole.u16();
        for (uint16_t k = 0; k < held && !whole.short_; k++) {
            f.heldKeys.push_back(whole.u16());
            if (f.heldKeys.back() >= SDLK_LAST)
                whole.short_ = true;
        }
        uint16_t events = whole.u16();
        if (events > MAX_EVENTS)
            whole.short_ = true;
        for (uint16_t k = 0; k < events && !whole.short_; k++) {
            SDL_Event e;
            if (!readEvent(whole, e))
                whole.short_ = true;
            f.events.push_back(e);
        }
        frames.push_back(std::move(f));
    }
    finalState = whole.u32();
    if (whole.short_ || !whole.atEnd()) {
        error = "the recording is damaged";
        return false;
    }
    return true;
}
