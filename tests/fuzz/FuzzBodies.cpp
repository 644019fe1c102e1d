#include "FuzzBodies.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include <SDL.h>

#include "audio/MusicManager.h"
#include "data/ConfLoader.h"
#include "data/EngineVars.h"
#include "data/HighScoreTable.h"
#include "data/KelFileRead.h"
#include "game/flow/ScrollingText.h"
#include "game/replay/Recording.h"
#include "render/FontDefinition.h"
#include "render/PictureFile.h"
#include "render/TextureUpload.h"
#include "world/AIActor.h"
#include "world/Actor.h"
#include "world/CopActor.h"
#include "world/Larder.h"
#include "world/Map.h"
#include "world/StaticEntityManager.h"
#include "world/Weapon.h"

namespace FuzzBodies {

namespace {

// A file of this process for the fuzzed input (or what is saved of it): in
// memory (/dev/shm) where there is one, as a file rewritten on disk costs far
// more than the load itself.
struct Scratch {
    explicit Scratch(const char* name)
        : path(std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/larder-fuzz-" +
               name + "-" + std::to_string(getpid()))
    {
    }
    ~Scratch() { unlink(path.c_str()); }
    std::string path;
};

// The input as a file, since the loaders read files by name. One file per
// process, rewritten for every input.
const char* asFile(const uint8_t* data, size_t size)
{
    static const Scratch scratch("input");
    FILE* f = fopen(scratch.path.c_str(), "wb");
    if (!f)
        return nullptr;
    if (size)
        fwrite(data, 1, size, f);
    fclose(f);
    return scratch.path.c_str();
}

// A broken promise of a loader: a fault for the fuzzer to report.
void require(bool holds, const char* what)
{
    if (!holds) {
        fprintf(stderr, "fuzz check failed: %s\n", what);
        abort();
    }
}

// The largest texture side every OpenGL 1.x display takes.
const int TEXTURE_LIMIT = 1024;

} // namespace

int keyValueFile(const uint8_t* data, size_t size)
{
    const char* path = asFile(data, size);
    if (!path)
        return 0;
    KelFileRead file(path);
    int number = 7;
    bool flag = false;
    std::string text;
    file.getIntFromFile(number, "hp");
    file.getBoolFromFile(flag, "isAI");
    file.getStringFromFile(text, "name");
    std::map<std::string, int> all;
    file.dumpToIntMap(all);
    Actor actor;
    actor.load(path);
    AIActor npc;
    npc.load(path);
    CopActor cop;
    cop.load(path);
    return 0;
}

int mapFile(const uint8_t* data, size_t size)
{
    const char* path = asFile(data, size);
    if (!path)
        return 0;
    Map map;
    map.loadMap(path);
    return 0;
}

int entityFile(const uint8_t* data, size_t size)
{
    const char* path = asFile(data, size);
    if (!path)
        return 0;
    StaticEntityManager ents;
    OwnedList<Weapon> items;
    OwnedList<Larder> larders;
    ents.load(path, items, larders);
    return 0;
}

int fontDefinition(const uint8_t* data, size_t size)
{
    const char* path = asFile(data, size);
    if (!path)
        return 0;
    FontDefinition font;
    if (font.loadDefinition(path) == 0) {
        // Every byte once, and line breaks, both ways.
        std::string text;
        for (int c = 0; c < 256; ++c)
            text += (char)c;
        font.layoutText(text + "\\\\" + text, 10, 20, false);
        font.layoutText(text, 790, 20, true);
    }
    return 0;
}

int configFiles(const uint8_t* data, size_t size)
{
    const char* path = asFile(data, size);
    if (!path)
        return 0;
    readEngineVars(path);
    ConfLoader conf(path);
    return 0;
}

int creditsFile(const uint8_t* data, size_t size)
{
    const char* path = asFile(data, size);
    if (!path)
        return 0;
    ScrollingText credits(nullptr, path, 800, 600, nullptr, 23, nullptr, nullptr);
    credits.loadLines(path);
    return 0;
}

int id3v1Tag(const uint8_t* data, size_t size)
{
    std::unique_ptr<id3v1tags> fromBytes(parseV1Tags(data, size));
    const char* path = asFile(data, size);
    if (!path)
        return 0;
    std::unique_ptr<id3v1tags> fromFile(MusicManager::getV1Tags(path));
    return 0;
}

int spriteImage(const uint8_t* data, size_t size)
{
    std::string problem;
    SDL_Surface* image = loadPicture(data, size, problem);
    if (!image)
        return 0;
    SDL_SetAlpha(image, 0, 255);
    bool scaled = false;
    SDL_Surface* rgba = rgbaSurfaceFor(image, TEXTURE_LIMIT, scaled);
    if (rgba)
        SDL_FreeSurface(rgba);
    SDL_FreeSurface(image);
    return 0;
}

int replayFile(const uint8_t* data, size_t size)
{
    std::string bytes((const char*)data, size);
    if (size >= 4) {
        uint32_t sum = recordingChecksum(bytes.data(), size - 4);
        for (int i = 0; i < 4; i++)
            bytes[size - 4 + i] = (char)(sum >> (8 * i));
    }
    const char* path = asFile((const uint8_t*)bytes.data(), size);
    Recording rec;
    std::string error;
    if (!path || !rec.load(path, error))
        return 0;
    size_t held = 0, events = 0;
    require(rec.frames.size() <= Recording::MAX_FRAMES, "frame count");
    for (const RecordedFrame& f : rec.frames) {
        require(f.ms <= Recording::MAX_FRAME_MS, "frame length");
        for (Uint16 k : f.heldKeys)
            require(k < SDLK_LAST, "held key");
        for (const SDL_Event& e : f.events) {
            require(Recording::isRecorded(e), "event type");
            if (e.type == SDL_KEYDOWN || e.type == SDL_KEYUP)
                require(e.key.keysym.sym < SDLK_LAST, "key of an event");
        }
        held += f.heldKeys.size();
        events += f.events.size();
    }
    require(held <= Recording::MAX_HELD_KEYS && events <= Recording::MAX_EVENTS, "input in all");
    std::string saved;
    require(rec.encode(saved, error), "a loaded recording saves");
    require(saved == bytes, "saved as loaded");
    return 0;
}

int highScoreTable(const uint8_t* data, size_t size)
{
    const char* path = asFile(data, size);
    HighScoreTable table;
    std::string problem;
    if (!path || table.load(path, problem) != HighScoreTable::READ)
        return 0;
    require(table.entries.size() <= (size_t)HighScoreTable::SIZE, "ten runs");
    for (size_t i = 0; i < table.entries.size(); i++) {
        const HighScore& run = table.entries[i];
        require(run.kills >= 0 && run.seconds >= 0 && run.date.size() == 10, "a run's fields");
        require(!run.ranking.empty() && run.ranking.size() <= HighScoreTable::MAX_RANKING, "ranking word");
        const HighScore* above = i ? &table.entries[i - 1] : nullptr;
        require(!above || run.kills < above->kills ||
                    (run.kills == above->kills && run.seconds <= above->seconds),
                "best first");
    }
    static const Scratch saved("highscores");
    HighScoreTable back;
    require(table.save(saved.path, problem), "a read table saves");
    require(back.load(saved.path, problem) == HighScoreTable::READ, "a saved table reads");
    require(back.entries.size() == table.entries.size(), "as many runs read back");
    for (size_t i = 0; i < back.entries.size(); i++) {
        const HighScore &a = table.entries[i], &b = back.entries[i];
        require(a.kills == b.kills && a.seconds == b.seconds && a.date == b.date && a.ranking == b.ranking,
                "the same runs read back");
    }
    return 0;
}

const Target TARGETS[] = {
    {"keyvalue", keyValueFile}, {"map", mapFile},         {"entities", entityFile},
    {"font", fontDefinition},   {"config", configFiles},  {"credits", creditsFile},
    {"id3v1", id3v1Tag},        {"sprite", spriteImage},  {"replay", replayFile},
    {"highscores", highScoreTable},
};
const size_t TARGET_COUNT = sizeof TARGETS / sizeof TARGETS[0];

} // namespace FuzzBodies
