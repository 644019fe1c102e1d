#pragma once
// A cut-scene directed by a script: a cast of characters placed on the map,
// walked, turned and made to speak, and a camera that the world is drawn
// around. The script runs a slice per frame and is held by a lock while a
// character walks, a line is shown or the camera scrolls.
#include <string>
#include <vector>

#include "morscript/State.h"
#include "world/AIActor.h"
#include "world/WorldList.h"

class AIActor;
class Actor;
class ScriptManager;

enum CinemaLocks { NOT_LOCKED = 0, MOVING_ACTOR = 1, SAYING_SOMETHING = 2, SCROLLING_CAMERA = 3 };

class CinemaScene {
public:
    CinemaScene(const char* filename, ScriptManager* core);
    // The scene owns its cast.
    ~CinemaScene();
    CinemaScene(const CinemaScene&) = delete;
    CinemaScene& operator=(const CinemaScene&) = delete;

    float cinemaX = 0, cinemaY = 0;
    float targetX = 0, targetY = 0;
    // The cast; an actor's index is its uid.
    OwnedList<AIActor> actors;
    std::string filename;
    // The actor of the last walk or kill order; the walk lock follows it.
    AIActor* targetActor = nullptr;
    bool ready = false;
    bool done = false;
    CinemaLocks lockState = NOT_LOCKED;
    ScriptManager* core = nullptr;

    bool isReady() const { return ready; }
    bool isDone() const { return done; }
    void setLock(CinemaLocks lock) { lockState = lock; }
    void freeLock() { lockState = NOT_LOCKED; }
    void finish();

    // Compiles the scene's script; nothing runs yet.
    int execScript();
    AIActor* getActor(unsigned uid);
    int addActor(int start, int frames, int x, int y);
    void moveActor(int uid, int x, int y);
    void turnActor(int uid, int x, int y);
    void killActor(int uid);
    void deleteActor(int uid);

    // Registers the cut-scene functions after the game functions.
    void scriptCinemaInterface(float delta);
    // Once per frame: the locks, then up to 500 opcodes while unlocked.
    void tickScript(float delta);
    // Releases the lock once what it waits for has been shown.
    void interfaceUpdate(float delta);

    static const int OPCODES_PER_FRAME = 500;
    // Camera scrolling speed, units per second on each axis.
    static constexpr float CAMERA_SPEED = 65.0f;

private:
    void scrollCamera(float delta);
    void walkTarget(float delta);
};

// Holds the script while the lock it points at is set.
int lockCallback(MorScript::State* S, void* user, int mode);
// Registers the cut-scene functions, in their fixed order, into the manager;
// they act on the manager's `cinema`.
void addCinemaFunctions(ScriptManager* core);
