#include "world/CopActor.h"

#include <cstdlib>

#include "world/Actor.h"
#include "world/Bullet.h"
#include "world/Map.h"
#include "world/Pistol.h"
#include "world/SpriteIndex.h"

namespace {

// Threats closer than this make an officer fire; farther ones make it cautious.
const float FIRING_DISTANCE = 300.0f;
// Seconds of updates after the last anger before an officer calms down.
const float ANGER_TIME = 1.0f;
// The view cone: how far, and how many degrees either side of the heading.
const float SIGHT_DISTANCE = 500.0f;
const float SIGHT_HALF_ANGLE = 25.0f;
// An officer aims only while its target is more than this many degrees off.
const int AIM_TOLERANCE = 10;
const double AIM_TURN_RATE = 195.0;  // degrees per second
// Distance in front of the officer at which its bullets appear.
const float MUZZLE_DISTANCE = 25.0f;
const int POLICE_RESERVE = 50;

}  // namespace

CopActor::CopActor() : angryTimer(0.0f), cachedMap(nullptr), survivalMode(false) {
    team = 2;
    dialogue = "Go about your business, citizen.";
    runAwayAngle = -17.0;
    attentionRange = 1000.0f;
    setAnimation(0, 3, 2, SpriteIndex::POLICE_WALK);
    teamMood[0] = -10;
    myGun = std::make_unique<Pistol>();
    myGun->setInClip(myGun->getClipSize());
    myGun->setReserve(POLICE_RESERVE);
}

CopActor::~CopActor() {}

bool CopActor::isCop() const { return true; }

void CopActor::alertHostile(float nx, float ny) {
    if (distance(nx, ny) >= FIRING_DISTANCE) {
        state = STATE_CAUTION;
        return;
    }
    becomeAngry(nx, ny);
}

void CopActor::becomeAngry(float nx, float ny) {
    state = STATE_FIRING;
    targetX = nx;
    targetY = ny;
    angryTimer = 0.0f;
}

void CopActor::update(float delta) {
    angryTimer += delta;
    if (angryTimer >= ANGER_TIME && !survivalMode) {
        angryTimer = 0.0f;
        state = STATE_CAUTION;
    }
    AIActor::update(delta);
    if (myGun && myGun->getInClip() < 1) myGun->reload();
}

bool CopActor::canSeeHostile(float tx, float ty, Map* theMap) {
    if (distance(tx, ty) > SIGHT_DISTANCE) return false;
    float off = angleDistance(static_cast<float>(heading), angleOutOf360(angleTo(tx, ty)));
    if (!(off > -SIGHT_HALF_ANGLE && off < SIGHT_HALF_ANGLE)) return false;
    return canSee(tx, ty, theMap);
}

int CopActor::fireAt(float tx, float ty, OwnedList<Bullet>& shots, float delta) {
    float aim = angleTo(tx, ty);
    float off = angleDistance(static_cast<float>(heading), aim);
    if (std::abs(static_cast<int>(off)) > AIM_TOLERANCE) rotateWithGoal(delta * AIM_TURN_RATE, aim);

    int created = 0;
    if (myGun && myGun->canFire()) {
        for (int i = 0; i < myGun->getNumProjectiles(); ++i) {
            std::unique_ptr<Bullet> bullet = myGun->fireGun(heading, true);
            bullet->x = getForwardX(MUZZLE_DISTANCE);
            bullet->y = getForwardY(MUZZLE_DISTANCE);
            bullet->team = team;
            shots.put(std::move(bullet));
            ++created;
        }
        temporaryFrame(SpriteIndex::POLICE_FIRING);
    }
    return created;
}

void CopActor::cacheMap(Map* theMap) { cachedMap = theMap; }
void CopActor::setSurvivalMode(bool b) { survivalMode = b; }
bool CopActor::isSurvivalMode() const { return survivalMode; }
Map* CopActor::getCachedMap() const { return cachedMap; }
