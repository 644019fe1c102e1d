#include "game/CGame.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "audio/MusicManager.h"
#include "audio/SoundEffectManager.h"
#include "data/ConfLoader.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "script/CinemaScene.h"
#include "script/ScriptManager.h"
#include "world/GameRandom.h"
#include "world/Map.h"

CGame::CGame(int screenWidth, int screenHeight, std::unique_ptr<Platform> platform)
    : io(std::move(platform))
{
    scrWidth = screenWidth;
    scrHeight = screenHeight;

    if (SDL_Init(SDL_INIT_EVERYTHING) < 0) {
        fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        exit(1);
    }
    atexit(SDL_Quit);
    printf("Larder 2 Engine: Pre-Init\n");

    EngineVars vars = loadEngineVars("config.cfg");
    Uint32 flags = SDL_HWSURFACE | SDL_OPENGL | SDL_ASYNCBLIT | SDL_ANYFORMAT;
    if (vars.fullscreen)
        flags |= SDL_FULLSCREEN;
    if (!SDL_SetVideoMode(screenWidth, screenHeight, 0, flags)) {
        fprintf(stderr, "Couldn't initialize screen surface at %ix%i: %s\n",
                screenWidth, screenHeight, SDL_GetError());
        exit(1);
    }
    SDL_WM_SetCaption("Larder ][", nullptr);

    if (Mix_OpenAudio(22050, AUDIO_S16MSB, 2, 4096) != 0) {
        fprintf(stderr, "Unable to initialize audio: %s\n", SDL_GetError());
        exit(1);
    }
    if (initGL(screenWidth, screenHeight) < 0) {
        fprintf(stderr, "Couldn't initialize OpenGL!\n");
        exit(1);
    }

    actorSprites = new SpriteManager("data/sprites");
    actorSprites->setScreenSize(screenWidth, screenHeight);
    portraitSprites = new SpriteManager("data/portraits");
    portraitSprites->setScreenSize(screenWidth, screenHeight);
    tileSprites = new SpriteManager("data/tiles");
    tileSprites->setScreenSize(screenWidth, screenHeight);
    tunes = new MusicManager("data/music");
    sfx = new SoundEffectManager("data/sounds");
    conf = new ConfLoader("data/physics.dat");

    scene = nullptr;
    loadFont();

    theMap = new Map();

    bIsOverCorpse = shouldLoadCinema = bIsOverWeapon = bIsOverPowerup = false;
    bIsLuggingCorpse = bInCinema = bIsTalking = false;
    cinemaName = "";
    slowMoTimer = 0;
    talkingPortrait = 0;
    talkingConversation = "(nothing)";
    talkTimer = 0;
    deltaTimer = 1000.0f;
    consoleLine = "";
    inLarder = 0;
    lastLine = "";

    // Tiles drawn around the camera: enough to cover the larger side.
    viewRange = (scrWidth > scrHeight ? scrWidth : scrHeight) / 96 + 2;

    gameRandom().seed((uint64_t)time(nullptr));

    printf("Engaging script engine.\n");
    script = new ScriptManager();
    printf("Script engine engaged.\n");

    SDL_ShowCursor(0);
    redRender = false;
    redPulse = false;
    redEffect = 0;
    blueEffect = 0;

    resetGame(0);
}

CGame::~CGame()
{
    releaseWorld();
    delete scene;
    delete theMap;
    delete font;
    delete smallfont;
    delete script;
    delete conf;
    delete sfx;
    delete tunes;
    Mix_CloseAudio();
    delete actorSprites;
    delete tileSprites;
    delete portraitSprites;
}

EngineVars CGame::loadEngineVars(const char* filename)
{
    return readEngineVars(filename);
}

void CGame::loadFont()
{
    font = new KelBitmapFont("data/font.png", "data/font.fnt");
    smallfont = new KelBitmapFont("data/smallfont.png", "data/smallfont.fnt");
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

    glShadeModel(GL_SMOOTH);
    glClearDepth(1.0);
    glClearColor(0, 0, 0, 0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    printf("OpenGL initialization successful.\n");
    return 0;
}
