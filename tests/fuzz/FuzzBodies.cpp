#include "FuzzBodies.h"

#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include <SDL.h>

#include "audio/MusicManager.h"
#include "data/ConfLoader.h"
#include "data/EngineVars.h"
#include "data/KelFileRead.h"
#include "game/flow/ScrollingText.h"
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

// The input as a file, since the loaders read files by name. One file per
// process, rewritten for every input; in memory (/dev/shm) where there is
// one, as a file rewritten on disk costs far more than the load itself.
const char* asFile(const uint8_t* data, size_t size)
{
    struct Scratch {
        std::string path = std::string(access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") +
                           "/larder-fuzz-" + std::to_string(getpid());
        ~Scratch() { unlink(path.c_str()); }
    };
    static const Scratch scratch;
    FILE* f = fopen(scratch.path.c_str(), "wb");
    if (!f)
        return nullptr;
    if (size)
        fwrite(data, 1, size, f);
    fclose(f);
    return scratch.path.c_str();
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
    std::vector<Weapon*> items;
    std::vector<Larder*> larders;
    ents.load(path, items, larders);
    for (Weapon* w : items)
        delete w;
    for (Larder* l : larders)
        delete l;
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

const Target TARGETS[] = {
    {"keyvalue", keyValueFile}, {"map", mapFile},         {"entities", entityFile},
    {"font", fontDefinition},   {"config", configFiles},  {"credits", creditsFile},
    {"id3v1", id3v1Tag},        {"sprite", spriteImage},
};
const size_t TARGET_COUNT = sizeof TARGETS / sizeof TARGETS[0];

} // namespace FuzzBodies
