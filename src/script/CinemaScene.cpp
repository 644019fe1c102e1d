#include "script/CinemaScene.h"

#include <cmath>
#include <cstdio>

#include "script/ScriptManager.h"
#include "world/AIActor.h"

namespace {
const char* const SOURCE = "CinemaScene";
// The camera counts as arrived within this many units on both axes.
const int CAMERA_REACH = 10;
}

CinemaScene::CinemaScene(const char* name, ScriptManager* manager)
    : filename(name ? name : ""), core(manager)
{
    if (!core) {
        fprintf(stderr, "%s: Need a workable script manager to hook into the game world. Sorry\n",
                SOURCE);
        return;
    }
    ready = true;
}

CinemaScene::~CinemaScene()
{
    if (core && core->cinema == this)
        core->cinema = nullptr;
}

void CinemaScene::finish()
{
    done = true;
    freeLock();
}

// A script that does not compile ends the scene at once: the state holds only
// part of its program.
int CinemaScene::execScript()
{
    if (!ready)
        return 0;
    if (!core->loadScript(filename.c_str()))
        finish();
    return 1;
}

AIActor* CinemaScene::getActor(unsigned uid)
{
    if (uid >= actors.size()) {
        fprintf(stderr, "%s: UID #%i does not apply to any known actor\n", SOURCE, (int)uid);
        return nullptr;
    }
    return actors[uid];
}

int CinemaScene::addActor(int start, int frames, int x, int y)
{
    AIActor* a = actors.put(std::make_unique<AIActor>());
    a->setAnimation(0, frames, 0, start);
    a->x = (float)x;
    a->y = (float)y;
    return (int)actors.size() - 1;
}

void CinemaScene::moveActor(int uid, int x, int y)
{
    targetActor = getActor((unsigned)uid);
    if (targetActor)
        targetActor->walkTo((float)x, (float)y);
}

void CinemaScene::turnActor(int uid, int x, int y)
{
    AIActor* a = getActor((unsigned)uid);
    if (!a) {
        fprintf(stderr, "%s: UID %i does not apply to any known actor\n", SOURCE, uid);
        return;
    }
    a->rotateTo((float)x, (float)y);
    a->rotate(-180.0);
}

// The actor stays in the cast and on screen.
void CinemaScene::killActor(int uid)
{
    targetActor = getActor((unsigned)uid);
    if (targetActor)
        targetActor->bInvisible = true;
}

void CinemaScene::deleteActor(int) {}

void CinemaScene::tickScript(float delta)
{
    if (!ready) {
        printf("%s: Cinema scene isn't ready.\n", SOURCE);
        return;
    }
    interfaceUpdate(delta);
    if (lockState == NOT_LOCKED && !done) {
        if (core->stepScript(OPCODES_PER_FRAME) == 0)
            finish();
    }
}

void CinemaScene::interfaceUpdate(float delta)
{
    switch (lockState) {
    case SAYING_SOMETHING:
        if (!core->isTalking())
            freeLock();
        break;
    case SCROLLING_CAMERA:
        scrollCamera(delta);
        break;
    case MOVING_ACTOR:
        walkTarget(delta);
        break;
    case NOT_LOCKED:
        break;
    }
}

// Each axis moves on its own, so the one already there jitters around its
// target until the other arrives. A step long enough to jump over the whole
// arrival window (a very slow frame) lands on the target instead, or the
// camera could swing across it for ever.
void CinemaScene::scrollCamera(float delta)
{
    float step = CAMERA_SPEED * delta;
    auto move = [step](float& at, float target) {
        if (step >= CAMERA_REACH && std::fabs(target - at) <= step)
            at = target;
        else
            at += target < at ? -step : step;
    };
    move(cinemaX, targetX);
    move(cinemaY, targetY);
    int dy = (int)targetY - (int)cinemaY;
    int dx = (int)targetX - (int)cinemaX;
    if (dy > -CAMERA_REACH && dy < CAMERA_REACH && dx > -CAMERA_REACH && dx < CAMERA_REACH)
        freeLock();
}

// The walker faces the way it goes and animates. A step that would carry it
// past its destination ends on it, so a slow frame cannot make it overshoot
// back and forth.
void CinemaScene::walkTarget(float delta)
{
    if (!targetActor) {
        fprintf(stderr, "Tried to move a NULL actor. Unlocking.\n");
        freeLock();
        return;
    }
    AIActor* a = targetActor;
    float nx = a->getNewX(delta);
    float ny = a->getNewY(delta);
    if (a->reachedDestination()) {
        freeLock();
        return;
    }
    float toGoX = a->getTargetX() - a->x, toGoY = a->getTargetY() - a->y;
    if (std::hypot(nx - a->x, ny - a->y) >= std::hypot(toGoX, toGoY)) {
        nx = a->getTargetX();
        ny = a->getTargetY();
    }
    a->rotateTo(nx, ny);
    a->rotate(-180.0);
    a->updateTimer(delta);
    a->x = nx;
    a->y = ny;
}
