// The cut-scene functions scripts call, and the lock that holds a script
// while the game shows what it asked for.
#include <cstdio>

#include "script/CinemaScene.h"
#include "script/HostArguments.h"
#include "script/ScriptManager.h"
#include "world/AIActor.h"

using MorScript::State;
using MorScript::Value;

namespace {
// Cut-scene functions need a running scene besides their arguments; they are
// registered with the script manager as their user pointer, and it knows the
// scene. Null (the script stops) when there is none.
CinemaScene* takeArguments(State* S, void* user, int argumentCount, int wanted, Value* args)
{
    CinemaScene* scene = user ? static_cast<ScriptManager*>(user)->cinema : nullptr;
    if (!scene || !takeHostArguments(S, argumentCount, wanted, args))
        return nullptr;
    return scene;
}

// The script is held from the next instruction until the lock is freed.
void lock(State* S, CinemaScene* scene, CinemaLocks what)
{
    scene->setLock(what);
    S->SetWaitFunc(lockCallback, &scene->lockState);
}

int npcLockSay(State* S, int n, void* user)
{
    Value a[2];
    CinemaScene* scene = takeArguments(S, user, n, 2, a);
    if (!scene)
        return 0;
    scene->core->npcSpeech(a[1].GetStr(), a[0].GetInt());
    lock(S, scene, SAYING_SOMETHING);
    return returnEmpty(S);
}

int npcLockWalk(State* S, int n, void* user)
{
    Value a[3];
    CinemaScene* scene = takeArguments(S, user, n, 3, a);
    if (!scene)
        return 0;
    scene->moveActor(a[0].GetInt(), a[1].GetInt(), a[2].GetInt());
    lock(S, scene, MOVING_ACTOR);
    return returnEmpty(S);
}

int npcKill(State* S, int n, void* user)
{
    Value a[1];
    CinemaScene* scene = takeArguments(S, user, n, 1, a);
    if (!scene)
        return 0;
    scene->killActor(a[0].GetInt());
    return returnEmpty(S);
}

int npcTurn(State* S, int n, void* user)
{
    Value a[3];
    CinemaScene* scene = takeArguments(S, user, n, 3, a);
    if (!scene)
        return 0;
    scene->turnActor(a[0].GetInt(), a[1].GetInt(), a[2].GetInt());
    return returnEmpty(S);
}

int npcAdd(State* S, int n, void* user)
{
    Value a[4];
    CinemaScene* scene = takeArguments(S, user, n, 4, a);
    if (!scene)
        return 0;
    int uid = scene->addActor(a[0].GetInt(), a[1].GetInt(), a[2].GetInt(), a[3].GetInt());
    S->Push(Value((double)uid));
    return 1;
}

int npcDelete(State* S, int n, void* user)
{
    Value a[1];
    CinemaScene* scene = takeArguments(S, user, n, 1, a);
    if (!scene)
        return 0;
    scene->deleteActor(a[0].GetInt());
    return returnEmpty(S);
}

int doneCinema(State* S, int n, void* user)
{
    CinemaScene* scene = takeArguments(S, user, n, 0, nullptr);
    if (!scene)
        return 0;
    scene->finish();
    return returnEmpty(S);
}

int camScroll(State* S, int n, void* user)
{
    Value a[2];
    CinemaScene* scene = takeArguments(S, user, n, 2, a);
    if (!scene)
        return 0;
    scene->targetX = (float)a[0].GetInt();
    scene->targetY = (float)a[1].GetInt();
    lock(S, scene, SCROLLING_CAMERA);
    return returnEmpty(S);
}

int camSnap(State* S, int n, void* user)
{
    Value a[2];
    CinemaScene* scene = takeArguments(S, user, n, 2, a);
    if (!scene)
        return 0;
    scene->cinemaX = (float)a[0].GetInt();
    scene->cinemaY = (float)a[1].GetInt();
    return returnEmpty(S);
}
}

// A state going away (mode non-zero) is always let go, without looking at
// the lock, whose scene may already be gone.
int lockCallback(State*, void* user, int mode)
{
    if (mode)
        return 1;
    return *static_cast<CinemaLocks*>(user) == NOT_LOCKED ? 1 : 0;
}

void addCinemaFunctions(ScriptManager* core)
{
    using MorScript::PARAMS_EXACT;
    void* user = core;
    core->addFunction("sayLock", npcLockSay, 2, PARAMS_EXACT, user);
    core->addFunction("lockWalk", npcLockWalk, 3, PARAMS_EXACT, user);
    core->addFunction("npcKill", npcKill, 1, PARAMS_EXACT, user);
    core->addFunction("npcTurn", npcTurn, 3, PARAMS_EXACT, user);
    core->addFunction("npcAdd", npcAdd, 4, PARAMS_EXACT, user);
    core->addFunction("npcDelete", npcDelete, 1, PARAMS_EXACT, user);
    core->addFunction("done", doneCinema, 0, PARAMS_EXACT, user);
    core->addFunction("scrollCamera", camScroll, 2, PARAMS_EXACT, user);
    core->addFunction("snapCamera", camSnap, 2, PARAMS_EXACT, user);
}

void CinemaScene::scriptCinemaInterface(float)
{
    printf("%s: Initializing script-cinema interface\n", "scriptCinemaInterface");
    if (core) {
        core->cinema = this;
        addCinemaFunctions(core);
    }
    printf("%s: Initialized script-cinema interface\n", "scriptCinemaInterface");
}
