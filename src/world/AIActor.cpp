#include "world/AIActor.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "data/KelFileRead.h"
#include "data/KelFileWrite.h"
#include "world/Map.h"
#include "world/Weapon.h"
#include "world/GameRandom.h"

namespace {

// Pixels per second an NPC moves in every state that moves.
const float NPC_SPEED = 255.0f;
// Seconds between two turns toward the direction of movement.
const float DIRECTION_TIME = 0.125f;
// Both axes within this many pixels (truncated) count as arrived.
const int ARRIVAL_DISTANCE = 10;

}  // namespace

AIActor::AIActor()
    : talkScriptFilename(),
      bInvisible(false),
      teamMood{0, 0, 0, 0},
      state(STATE_IDLE),
      runAwayAngle(-15.0),
      dialogue("Go away, I am hungry."),
      targetX(0.0f),
      targetY(0.0f),
      attentionRange(1000.0f),
      directionTimer(0.0f),
      bHasScript(false) {
    team = 1;
}

AIActor::~AIActor() {}

// --- Movement -------------------------------------------------------------

bool AIActor::stepHeading(double& stepHeadingOut) {
    if (state == STATE_IDLE || state == STATE_CAUTION) return false;
    double saved = heading;
    rotateTo(targetX, targetY);
    rotate(-180.0);  // face the target
    if (state == STATE_SCARED) rotate(runAwayAngle + 180.0);  // and turn away
    stepHeadingOut = heading;
    heading = saved;
    return true;
}

float AIActor::getNewX(float distance) {
    double h;
    if (!stepHeading(h)) return x;
    return x + std::sin(toRadians(h + 90.0)) * distance * NPC_SPEED;
}

float AIActor::getNewY(float distance) {
    double h;
    if (!stepHeading(h)) return y;
    return y + std::cos(toRadians(h + 90.0)) * distance * NPC_SPEED;
}

// --- Orders and timers ----------------------------------------------------

void AIActor::walkTo(float nx, float ny) {
    state = STATE_WALKING;
    targetX = nx;
    targetY = ny;
}

void AIActor::alertHostile(float nx, float ny) {
    state = STATE_SCARED;
    targetX = nx;
    targetY = ny;
}

void AIActor::becomeAngry(float nx, float ny) { alertHostile(nx, ny); }

void AIActor::update(float delta) { directionTimer += delta; }

bool AIActor::readyToChangeDirection() {
    if (directionTimer >= DIRECTION_TIME) {
        directionTimer = 0.0f;
        return true;
    }
    return false;
}

bool AIActor::reachedDestination() {
    // Each difference is truncated to whole pixels, but in floating point: a
    // script may send an NPC to any point, and a difference beyond the range
    // of int must not wrap into a false arrival.
    return std::fabs(std::trunc(x - targetX)) <= ARRIVAL_DISTANCE &&
           std::fabs(std::trunc(y - targetY)) <= ARRIVAL_DISTANCE;
}

bool AIActor::canShootAt(float tx, float ty, Map* theMap) {
    return myGun && myGun->canFire() && distance(tx, ty) <= myGun->getRange() &&
           canSee(tx, ty, theMap);
}

float AIActor::distanceToTarget() { return distance(targetX, targetY); }

void AIActor::headToRandomLocation() {
    targetX = static_cast<float>(gameRand() % 80 * 48);
    targetY = static_cast<float>(gameRand() % 80 * 48);
    runAwayAngle = gameRand() % 100 - 50;
}

// --- Moods and plain access -----------------------------------------------

int AIActor::getMood(int t) const {
    if (t < 0 || t >= NUM_TEAMS) return 0;
    return teamMood[t];
}

int AIActor::changeMood(int t, int amt) {
    if (t < 0 || t >= NUM_TEAMS) return 0;
    teamMood[t] += amt;
    return teamMood[t];
}

ActorState AIActor::getState() { return state; }
void AIActor::setState(ActorState s) { state = s; }
float AIActor::getAttentionRange() const { return attentionRange; }
void AIActor::setAttentionRange(float r) { attentionRange = r; }
std::string AIActor::getDialogue() { return dialogue; }
void AIActor::setDialogue(const std::string& s) { dialogue = s; }
bool AIActor::hasScript() { return bHasScript; }
void AIActor::setHasScript(bool b) { bHasScript = b; }
float AIActor::getTargetX() const { return targetX; }
float AIActor::getTargetY() const { return targetY; }
double AIActor::getRunAwayAngle() const { return runAwayAngle; }

// --- Definition file ------------------------------------------------------

void AIActor::load(const char* filename) {
    {
        KelFileRead file(filename);
        if (!file.isOkay()) {
            fprintf(stderr, "Can't open file %s\n", filename);
            return;
        }
        file.getBoolFromFile(bHasScript, "hasScript");
        file.getStringFromFile(dialogue, "dialogue");

        // The integer keys go through zeroed temporaries: a missing key, or a
        // value of 0 or below, counts as 0.
        int angle = readFromZero(file, "runAwayAngle");
        runAwayAngle = angle == 0 ? 15.0 : angle;
        // Read for the file's sake only: a loaded NPC always starts idle
        // (below), and a value outside the enumeration is never cast to it.
        readFromZero(file, "state");
        targetX = static_cast<float>(readFromZero(file, "targetX"));
        targetY = static_cast<float>(readFromZero(file, "targetY"));
        file.getStringFromFile(talkScriptFilename, "script");
    }
    // A loaded character always starts standing.
    state = STATE_IDLE;
    Actor::load(filename);
}

void AIActor::save(const char* filename) {
    {
        KelFileWrite file(filename, false);
        file.putIntInFile(bHasScript ? 1 : 0, "hasScript");
        file.putStringInFile(dialogue, "dialogue");
        file.putIntInFile(static_cast<int>(attentionRange), "attentionRange");
        file.putIntInFile(static_cast<int>(runAwayAngle), "runAwayAngle");
        file.putIntInFile(state, "state");
        file.putIntInFile(static_cast<int>(targetX), "targetX");
        file.putIntInFile(static_cast<int>(targetY), "targetY");
        file.putStringInFile(talkScriptFilename, "script");
    }
    Actor::save(filename, true);
}
