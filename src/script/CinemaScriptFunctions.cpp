// The cut-scene functions scripts call, and the lock that holds a script
// while the game shows what it asked for.
#include <cstdio>

#include "script/CinemaScene.h"
#include "script/HostArguments.h"
#include "script/ScriptManager.h"
#include "world/AIActor.h"

using MorScript::State;
using MorScript::Value;

namespace ScriptContext {
CinemaRuntimeVars runtime;
}
using ScriptContext::runtime;

namespace {
// Cut-scene functions need a running scene besides their arguments.
bool takeArguments(State* S, int argumentCount, int wanted, Value* args)
{
    return runtime.scene && takeHostArguments(S, argumentCount, wanted, args);
}

// The script is held from the next instruction until the lock is freed.
void lock(State* S, CinemaLocks what)
{
    runtime.scene->setLock(what);
    S->SetWaitFunc(lockCallback, &runtime.scene->lockState);
}

int npcLockSay(State* S, int n, void*)
{
    Value a[2];
    if (!takeArguments(S, n, 2, a))
        return 0;
    runtime.core->npcSpeech(a[1].GetStr(), a[0].GetInt());
    lock(S, SAYING_SOMETHING);
    return returnEmpty(S);
}

int npcLockWalk(State* S, int n, void*)
{
    Value a[3];
    if (!takeArguments(S, n, 3, a))
        return 0;
    runtime.scene->moveActor(a[0].GetInt(), a[1].GetInt(), a[2].GetInt());
    lock(S, MOVING_ACTOR);
    return returnEmpty(S);
}

int npcKill(State* S, int n, void*)
{
    Value a[1];
    if (!takeArguments(S, n, 1, a))
        return 0;
    runtime.scene->killActor(a[0].GetInt());
    return returnEmpty(S);
}

int npcTurn(State* S, int n, void*)
{
    Value a[3];
    if (!takeArguments(S, n, 3, a))
        return 0;
    runtime.scene->turnActor(a[0].GetInt(), a[1].GetInt(), a[2].GetInt());
    return returnEmpty(S);
}

int npcAdd(State* S, int n, void*)
{
    Value a[4];
    if (!takeArguments(S, n, 4, a))
        return 0;
    int uid = runtime.scene->addActor(a[0].GetInt(), a[1].GetInt(), a[2].GetInt(), a[3].GetInt());
    S->Push(Value((double)uid));
    return 1;
}

int npcDelete(State* S, int n, void*)
{
    Value a[1];
    if (!takeArguments(S, n, 1, a))
        return 0;
    runtime.scene->deleteActor(a[0].GetInt());
    return returnEmpty(S);
}

int doneCinema(State* S, int n, void*)
{
    if (!takeArguments(S, n, 0, nullptr))
        return 0;
    runtime.scene->finish();
    return returnEmpty(S);
}

int camScroll(State* S, int n, void*)
{
    Value a[2];
    if (!takeArguments(S, n, 2, a))
        return 0;
    runtime.scene->targetX = (float)a[0].GetInt();
    runtime.scene->targetY = (float)a[1].GetInt();
    lock(S, SCROLLING_CAMERA);
    return returnEmpty(S);
}

int camSnap(State* S, int n, void*)
{
    Value a[2];
    if (!takeArguments(S, n, 2, a))
        return 0;
    runtime.scene->cinemaX = (float)a[0].GetInt();
    runtime.scene->cinemaY = (float)a[1].GetInt();
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
    core->addFunction("sayLock", npcLockSay, 2, PARAMS_EXACT);
    core->addFunction("lockWalk", npcLockWalk, 3, PARAMS_EXACT);
    core->addFunction("npcKill", npcKill, 1, PARAMS_EXACT);
    core->addFunction("npcTurn", npcTurn, 3, PARAMS_EXACT);
    core->addFunction("npcAdd", npcAdd, 4, PARAMS_EXACT);
    core->addFunction("npcDelete", npcDelete, 1, PARAMS_EXACT);
    core->addFunction("done", doneCinema, 0, PARAMS_EXACT);
    core->addFunction("scrollCamera", camScroll, 2, PARAMS_EXACT);
    core->addFunction("snapCamera", camSnap, 2, PARAMS_EXACT);
}

void CinemaScene::scriptCinemaInterface(float delta)
{
    printf("%s: Initializing script-cinema interface\n", "scriptCinemaInterface");
    runtime.currentActor = targetActor;
    runtime.delta = delta;
    runtime.lockState = &lockState;
    runtime.scene = this;
    runtime.core = core;
    if (core)
        addCinemaFunctions(core);
    printf("%s: Initialized script-cinema interface\n", "scriptCinemaInterface");
}
