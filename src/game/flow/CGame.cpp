#include "game/CGame.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "audio/MusicManager.h"
#include "audio/SoundEffectManager.h"
#include "data/ConfLoader.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteBatch.h"
#include "render/SpriteManager.h"
#include "script/CinemaScene.h"
#include "script/ScriptManager.h"
#include "world/GameRandom.h"
#include "world/Map.h"

CGame::CGame(int screenWidth, int screenHeight, std::unique_ptr<Platform> platform,
             const StartSettings& settings)
    : devices(std::move(platform)), files(settings.files)
{
    scrWidth = screenWidth;
    scrHeight = screenHeight;

    devices.io->init();
    printf("Larder 2 Engine: Pre-Init\n");

    EngineVars vars = loadEngineVars(files.configPath().c_str());
    if (settings.fullscreen)
        vars.fullscreen = *settings.fullscreen;
    if (vars.scale > 0)
        devices.io->setWindowScale(vars.scale);
    devices.bHasScreen = devices.io->openWindow(screenWidth, screenHeight, vars.fullscreen);
    devices.audio.open(*devices.io);
    if (devices.bHasScreen && initGL(screenWidth, screenHeight) < 0) {
        fprintf(stderr, "Couldn't initialize OpenGL!\n");
        exit(1);
    }

    devices.actorSprites = std::make_unique<SpriteManager>("data/sprites", devices.bHasScreen);
    devices.actorSprites->setScreenSize(screenWidth, screenHeight);
    devices.portraitSprites = std::make_unique<SpriteManager>("data/portraits", devices.bHasScreen);
    devices.portraitSprites->setScreenSize(screenWidth, screenHeight);
    devices.tileSprites = std::make_unique<SpriteManager>("data/tiles", devices.bHasScreen);
    devices.tileSprites->setScreenSize(screenWidth, screenHeight);
    devices.tunes = std::make_unique<MusicManager>("data/music");
    devices.sfx = std::make_unique<SoundEffectManager>("data/sounds");
    conf = std::make_unique<ConfLoader>("data/physics.dat");

    loadFont();

    theMap = std::make_unique<Map>();

    // Tiles drawn around the camera: enough to cover the larger side.
    viewRange = (scrWidth > scrHeight ? scrWidth : scrHeight) / 96 + 2;

    gameRandom().seed((uint64_t)time(nullptr));

    printf("Engaging script engine.\n");
    script = std::make_unique<ScriptManager>(files.writePath(ScriptManager::LOG_NAME));
    printf("Script engine engaged.\n");

    devices.io->showCursor(false);

    resetGame(0);
}

// Everything else goes by member order: the cut-scene, the script host and
// the tuning values, then the devices (the managers, then the audio device,
// then the platform).
CGame::~CGame()
{
    world.clear();
}

EngineVars CGame::loadEngineVars(const char* filename)
{
    return readEngineVars(filename);
}

void CGame::loadFont()
{
    devices.font = std::make_unique<KelBitmapFont>("data/font.png", "data/font.fnt", devices.bHasScreen);
    devices.smallfont = std::make_unique<KelBitmapFont>("data/smallfont.png", "data/smallfont.fnt", devices.bHasScreen);
}

void CGame::setColour(float r, float g, float b, float a)
{
    if (devices.bHasScreen)
        SpriteBatch::setColour(r, g, b, a);
}

int initGL(int width, int height)
{
    printf("Larder 2 OpenGL Engine v1.0\n");
    printf("Built by the Larder ][ team\n");
    printf("===\n");
    const GLubyte* extensions = glGetString(GL_EXTENSIONS);
    printf("GL capabilities: [%s]\n", extensions ? (const char*)extensions : "");

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, width, height, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

#ifndef __EMSCRIPTEN__
    glShadeModel(GL_SMOOTH); // WebGL knows neither call (smooth is its only way)
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
#endif
    glClearDepth(1.0);
    glClearColor(0, 0, 0, 0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glDepthFunc(GL_LEQUAL);
    printf("OpenGL initialization successful.\n");
    return 0;
}
