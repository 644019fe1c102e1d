#include "GameHarness.h"

#include <GL/gl.h>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "game/input/GamepadPlatform.h"
#include "world/GameRandom.h"
#include "render/SpriteBatch.h"
#include "world/Effect.h"
#include "world/Corpse.h"
#include "world/Larder.h"

std::ostream& operator<<(std::ostream& os, const Rgb& c)
{
    return os << "(" << c.r << "," << c.g << "," << c.b << ")";
}

Rgb tileColour(int n) { return {(n * 5) % 256, 100, 200}; }
Rgb spriteColour(int n) { return {200, (n * 5) % 256, 50}; }

static void makeDirs(const std::string& path)
{
    for (size_t i = 1; i <= path.size(); i++) {
        if (i == path.size() || path[i] == '/')
            mkdir(path.substr(0, i).c_str(), 0755);
    }
}

GameHarness::GameHarness(Screen screen) : screen(screen)
{
    std::vector<char> cwd(4096);
    if (getcwd(cwd.data(), cwd.size()))
        oldCwd = cwd.data();
    std::string pattern = "/tmp/larder-test-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data()))
        ADD_FAILURE() << "cannot make a temporary folder";
    dir = buf.data();
    if (chdir(dir.c_str()) != 0)
        ADD_FAILURE() << "cannot enter " << dir;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

GameHarness::~GameHarness()
{
    theGame.reset();
    if (!oldCwd.empty() && chdir(oldCwd.c_str()) != 0)
        ADD_FAILURE() << "cannot return to " << oldCwd;
    std::string cmd = "rm -rf '" + dir + "'";
    if (system(cmd.c_str()) != 0)
        ADD_FAILURE() << "cannot remove " << dir;
}

void GameHarness::writeFile(const std::string& path, const std::string& content)
{
    size_t slash = path.rfind('/');
    if (slash != std::string::npos)
        makeDirs(path.substr(0, slash));
    std::ofstream(path, std::ios::binary) << content;
}

void GameHarness::writeSolidImage(const std::string& path, int w, int h, Rgb c)
{
    size_t slash = path.rfind('/');
    if (slash != std::string::npos)
        makeDirs(path.substr(0, slash));
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0xff, 0xff00, 0xff0000, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, (Uint8)c.r, (Uint8)c.g, (Uint8)c.b));
    // The image loader recognises the format by its content, not its name.
    SDL_SaveBMP(s, path.c_str());
    SDL_FreeSurface(s);
}

void GameHarness::writeSolidSet(const std::string& set, int count, int size, Rgb (*colourOf)(int))
{
    for (int i = 0; i < count; i++)
        writeSolidImage("data/" + set + "/" + std::to_string(i) + ".png", size, size, colourOf(i));
}

void GameHarness::writeBlockFont(const std::string& name, int w, int h, int advance, int lineHeight)
{
    makeDirs("data");
    SDL_Surface* page = SDL_CreateRGBSurface(SDL_SWSURFACE, 256, 256, 24, 0xff, 0xff00, 0xff0000, 0);
    SDL_FillRect(page, nullptr, 0);
    SDL_Rect block = {0, 0, (Uint16)w, (Uint16)h};
    SDL_FillRect(page, &block, SDL_MapRGB(page->format, 255, 255, 255));
    SDL_SaveBMP(page, ("data/" + name + ".png").c_str());
    SDL_FreeSurface(page);

    std::string def = "info face=Block\ncommon lineHeight=" + std::to_string(lineHeight) +
                      " base=" + std::to_string(h) + " scaleW=256 scaleH=256 pages=1\n";
    for (int c = 32; c < 127; c++) {
        def += "char id=" + std::to_string(c) + " x=0 y=0 width=" + std::to_string(w) +
               " height=" + std::to_string(h) + " xoffset=0 yoffset=0 xadvance=" +
               std::to_string(advance) + " page=0\n";
    }
    writeFile("data/" + name + ".fnt", def);
}

void GameHarness::writeMap(int number, int fillTile)
{
    std::string row(80, (char)(fillTile + 65));
    std::string text;
    for (int y = 0; y < 80; y++)
        text += row + "\n";
    writeFile("data/map" + std::to_string(number) + ".dat", text);
}

void GameHarness::linkShippedData()
{
    std::filesystem::create_directory_symlink(std::filesystem::path(LARDER_SOURCE_DIR) / "data",
                                              "data");
}

void GameHarness::writeMinimalData()
{
    writeSolidSet("tiles", 45, 48, tileColour);
    writeSolidSet("sprites", 50, 48, spriteColour);
    writeSolidSet("portraits", 4, 64, spriteColour);
    writeBlockFont("font", 10, 16, 12, 20);
    writeBlockFont("smallfont", 6, 8, 7, 10);
    writeMap(0, 0);
}

CGame* GameHarness::start(const StartSettings& settings)
{
    auto scripted = std::make_unique<ScriptedPlatform>(screen == WINDOW);
    platform = scripted.get();
    scripted->scale = scale;
    std::unique_ptr<Platform> io = std::move(scripted);
    if (gamepad)
        io = std::make_unique<GamepadPlatform>(std::move(io), 800, 600);
    theGame = std::make_unique<CGame>(800, 600, std::move(io), settings);
    gameRandom().seed(TEST_SEED); // the game seeds from the clock
    return theGame.get();
}

Rgb GameHarness::pixel(int x, int y)
{
    unsigned char rgb[3] = {0, 0, 0};
    SpriteBatch::flush();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, theGame->scrHeight - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

void GameHarness::runFrames(int frames)
{
    auto previous = platform->onFrame;
    int stopAt = platform->framesDone + frames;
    platform->onFrame = [this, previous, stopAt](int n) {
        if (previous)
            previous(n);
        if (n >= stopAt)
            theGame->play.bGameOver = true;
    };
    theGame->play.bGameOver = false;
    theGame->gameLoop();
    platform->onFrame = previous;
}

CGame* GameHarness::startStory(const std::string& entities)
{
    writeMinimalData();
    if (!entities.empty())
        writeFile("data/entities.txt", entities);
    start();
    theGame->newGame();
    bystander = place<Actor>(3000, 3000);
    bystander->team = 1;
    return theGame.get();
}

void GameHarness::play(int frames)
{
    std::deque<SDL_Event> queued;
    queued.swap(platform->events);
    platform->press(SDLK_RETURN);
    platform->events.insert(platform->events.end(), queued.begin(), queued.end());
    runFrames(frames + 1);
}

Larder* GameHarness::addLarder(float x, float y)
{
    Larder* l = theGame->world.larders.put(std::make_unique<Larder>());
    l->setX(x);
    l->setY(y);
    return l;
}

void GameHarness::dragCorpse()
{
    theGame->world.luggedCorpse = std::make_unique<Corpse>();
    theGame->play.bIsLuggingCorpse = true;
}

int GameHarness::effectsOfGraphic(int first, int last)
{
    theGame->consumeEvents(); // what the rules did so far is on the map
    int n = 0;
    for (Effect* e : theGame->world.effects)
        n += e->getGraphic() >= first && e->getGraphic() <= last;
    return n;
}
