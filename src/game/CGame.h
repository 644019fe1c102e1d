#pragma once
#include <SDL.h>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/EngineVars.h"
#include "data/UserFiles.h"
#include "game/Devices.h"
#include "game/GameEvents.h"
#include "game/Platform.h"
#include "game/PlayState.h"
#include "game/devtools/DevTools.h"
#include "world/World.h"

class SpriteManager;
class MusicManager;
class SoundEffectManager;
class ScriptManager;
class ConfLoader;
class KelBitmapFont;
class Actor;
class AIActor;
class Larder;
class Bullet;
class Weapon;
class Effect;
class Corpse;
class Map;
class CinemaScene;
struct Recording;
class HighScoreTable;

// Frames counted in the current second, the count of the last full second
// (the HUD shows it) and the tick at which it was taken.
struct FrameRate {
    int frames = 0;
    int fps = 0;
    int last_check = 0;
};

// The mouse as play reads it: the cursor in window pixels, a firing button
// held, and the frames in which a quick click may still fire.
struct MouseState {
    int cursX = 0, cursY = 0;
    bool mbDown = false;
    int clickFramesLeft = 0;
};

int initGL(int width, int height);

// What a start of the game may change: where user files go (by default the
// game folder, under their plain names) and the command line's choice of
// full screen or window over config.cfg's.
struct StartSettings {
    UserFiles files;
    std::optional<bool> fullscreen;
};

// The one game object: it owns the devices, the script host, the world and
// the map, the state of the running game and the developer tools, each a
// member of its own type. Each loop of the program is one of its methods; the
// operations live in files named after them.
class CGame {
public:
    CGame(int screenWidth, int screenHeight, std::unique_ptr<Platform> platform,
          const StartSettings& settings = StartSettings());
    ~CGame();
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // The platform, the audio device, the sprite sets, music, samples and
    // fonts. Declared first, so it outlives everything that draws or plays.
    Devices devices;
    std::unique_ptr<ScriptManager> script;
    std::unique_ptr<ConfLoader> conf;

    // The things of the level (actors, player, larders, shots, items,
    // effects, corpses, entities, the dragged corpse) and the tile map.
    World world;
    std::unique_ptr<Map> theMap;
    // What the last simulation did, for the sound, effects and HUD to show.
    GameEvents events;
    // The flags and timers of the running game.
    PlayState play;
    // The console and the map editor.
    DevTools tools;

    float delta = 0;           // game seconds of the last frame
    float deltaTimer = 1000.0f; // real ms per game second; more in slow motion
    FrameRate frameRate;
    SDL_Event event;
    int scrWidth = 0, scrHeight = 0;
    int viewRange = 0;
    MouseState mouse;

    // Where to record the next game started from the menu; empty: nowhere.
    std::string recordPath;
    // Whether survival runs are entered into the high-score table (not while
    // a recorded game is played again).
    bool bKeepHighScores = true;
    // Where the files the game writes go, and where maps are read from.
    UserFiles files;

    // Start-up and fonts.
    static EngineVars loadEngineVars(const char* filename);
    void loadFont();

    // Menu, credits and help.
    void menuLoop();
    void helpScreen();

    // Play loop and timing.
    void gameLoop();
    void clearScreen();
    // The OpenGL colour for what is drawn next (nothing without a screen).
    void setColour(float r, float g, float b, float a = 1.0f);
    void deathAnimation();
    void initSlowmo();
    void updateSlowmo();
    bool gameWon();

    // A game chosen in the menu (recorded when asked), a recorded one again,
    // and the fingerprint of the world that both end with.
    void playSession(bool survivalMode);
    int replaySession(const Recording& rec);
    uint32_t worldChecksum();

    // New game and reset.
    void resetGame(int mapNum);
    void newGame();
    void newSurvival();
    int ActorMassLoader(const char* dir);

    // Drawing of the world.
    void drawTileLayer(int centreX, int centreY);
    void drawSpriteLayer(int centreX, int centreY);
    void drawSpriteLayer(int centreX, int centreY, const OwnedList<AIActor>& cast);
    void drawEffectLayer(int centreX, int centreY);
    void drawWeapons(int centreX, int centreY);
    void drawShots(int centreX, int centreY);
    void drawLarders(float centreX, float centreY);
    void drawHUD();

    // Play: the player, bullets and NPCs.
    void getInput();
    bool playerCollision(float nx, float ny);
    void handleShots();
    void handleAI();
    void AI_gunFired(float x, float y);
    void AI_actorShot(float x, float y, int shooterTeam, int victimTeam);
    void AI_actorKilled(float x, float y, int killerTeam, int victimTeam);

    // Killing, corpses and larders.
    void killActor(Actor* victim, int killerTeam);
    void detectOverCorpse(float x, float y);
    Corpse* getCorpseAt(float x, float y);
    bool useTakesCorpse();
    void checkCorpseViewers(float x, float y, bool lugging);
    void larderDrop(float x, float y);

    // Pick-ups, entity triggers and talking.
    void detectOverWeapon(float x, float y);
    Weapon* getWeaponAt(float x, float y);
    void detectEntities(float x, float y);
    void talkToNPC(float x, float y, float range);
    void talkToNPC(Actor* npc);
    // Starts the conversation box: text and portrait, shown for its full time.
    void showConversation(const std::string& text, int portrait);

    // Effects and the head-up display.
    // Plays, marks and shows what the rules posted, in order (the start of
    // each frame's drawing).
    void consumeEvents();
    void spawnBlood(int amount, float x, float y);
    void spawnBulletHole(double angle, float x, float y);
    void spawnBulletCasing(double angle, float x, float y);
    void drawInfoPanel();

    // Survival mode.
    void survivalUpdate(float dt);
    bool survivalSpawn(float x, float y);
    void survivalResults();
    int recordHighScore(HighScoreTable& table);
    void drawHighScoreTable(const HighScoreTable& table, int marked, int top);

    // Scripts and cut-scenes.
    void runScript(const char* filename);
    void scriptEngineInterface();
    void initCinema(const char* filename);

    // Developer tools.
    void consoleLoop();
    int processConsole(const std::string& line);
    void consolePrint(const std::string& s);
    void gameAssert(bool condition, const char* file, int line);
    // False, after reporting why, when the picture could not be written.
    bool takeScreenshot(const char* filename);
    void editorLoop();
    void editorInput();
    void editorHUD();

private:
    void addEffects(const std::vector<Effect>& made);
    void drawMenu(int menuPos, float& angle, float& pos);
    void menuEvent(const SDL_Event& e, int& menuPos, bool& bMenuDone);
    void menuChoice(int& menuPos, bool& bMenuDone);
    void showCredits();
    void cinemaFrame();
    void startRequestedCinema();
    void playFrame();
    void playerDied();
    void dropLuggedCorpse();
    void setWorldTint();
    void setBlueTint();
};
