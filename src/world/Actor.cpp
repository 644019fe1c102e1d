#include "world/Actor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "data/KelFileRead.h"
#include "data/KelFileWrite.h"
#include "world/Map.h"
#include "world/Weapon.h"

namespace {

const double DEGREES_TO_RADIANS = 0.017453292522222223;
const double RADIANS_TO_DEGREES = 57.29577950560105;
const float TWO_PI = 6.283185308f;

const float BOX_SIZE = Actor::BOX_SIDE;
const float TILE_SIZE = 48.0f;
// Seconds an animation frame stays on screen.
const float FRAME_TIME = 0.09f;
// Most tiles a line of sight may test; needing one more means out of sight.
const int MAX_SIGHT_TILES = 16;
// Beyond this magnitude, stepping by 360 no longer changes a float, so the
// angle is reduced with fmod first.
const double ANGLE_REDUCE_LIMIT = 1.0e6;

}  // namespace

Actor::Actor()
    : x(45.0f),
      y(45.0f),
      team(0),
      hp(1),
      max_hp(1),
      level(1),
      spriteTimer(0.0f),
      heading(0.0),
      curFrame(0),
      numSprites(3),
      portrait(0),
      startSprite(0),
      inTemporaryFrame(false),
      myGun() {}

Actor::~Actor() {
    if (myGun) {
        printf("%s: Actor still has gun on deletion, taking care of it\n", "Actor");
    }
}

float Actor::toRadians(double degrees) {
    return static_cast<float>(degrees * DEGREES_TO_RADIANS);
}

// --- Movement -------------------------------------------------------------

float Actor::getNewX(float distance) { return getForwardX(distance); }

float Actor::getNewY(float distance) { return getForwardY(distance); }

float Actor::getForwardX(float distance) const {
    return x + std::sin(toRadians(heading + 90.0)) * distance;
}

float Actor::getForwardY(float distance) const {
    return y + std::cos(toRadians(heading + 90.0)) * distance;
}

void Actor::step(float distance) {
    x = getNewX(distance);
    y = getNewY(distance);
}

// --- Turning and angles ---------------------------------------------------

double Actor::getRotation() const { return heading; }

double Actor::setRotation(double dr) {
    heading = dr;
    return heading;
}

double Actor::rotate(double dd) {
    heading += dd;
    return heading;
}

void Actor::rotateTo(float nx, float ny) { heading = angleTo(nx, ny) + 180.0f; }

void Actor::rotateWithGoal(double maxAmt, double goal) {
    double diff = goal - rotationOutOf360();
    if (diff > -3.0 && diff < 3.0) return;
    bool positive;
    if (diff > 180.0) {
        positive = false;
    } else {
        if (diff < -180.0) diff += 360.0;
        positive = diff > 0.0;
    }
    heading += positive ? maxAmt : -maxAmt;
}

float Actor::angleTo(float tx, float ty) const {
    float dx = x - tx;
    float dy = y - ty;
    float theta = std::atan2(-dy, dx);
    if (theta < 0.0f) theta += TWO_PI;
    return static_cast<float>(theta * RADIANS_TO_DEGREES - 180.0);
}

float Actor::angleOutOf360(float angle) {
    if (std::fabs(angle) > ANGLE_REDUCE_LIMIT) angle = std::fmod(angle, 360.0f);
    while (angle >= 360.0f) angle -= 360.0f;
    while (angle < 0.0f) angle += 360.0f;
    // A tiny negative angle plus 360 can round up to exactly 360.
    if (angle >= 360.0f) angle = 0.0f;
    return angle;
}

double Actor::rotationOutOf360() const {
    double h = heading;
    if (std::fabs(h) > ANGLE_REDUCE_LIMIT) h = std::fmod(h, 360.0);
    while (h < 0.0) h += 360.0;
    while (h >= 360.0) h -= 360.0;
    return h;
}

float Actor::angleDistance(float angle1, float angle2) {
    float d = angleOutOf360(angle2) - angleOutOf360(angle1);
    if (d > 180.0f) d -= 360.0f;
    if (d < -180.0f) d += 360.0f;
    return d;
}

// --- Animation ------------------------------------------------------------

void Actor::updateTimer(float delta) {
    spriteTimer += delta;
    if (spriteTimer > FRAME_TIME) {
        if (inTemporaryFrame) {
            inTemporaryFrame = false;
            curFrame = startSprite;
        }
        curFrame += 1;
        if (curFrame >= numSprites) curFrame = 0;
        spriteTimer = 0.0f;
    }
}

void Actor::temporaryFrame(int spriteId) {
    curFrame = spriteId;
    inTemporaryFrame = true;
    spriteTimer = 0.0f;
}

void Actor::stopAnimation() {
    curFrame = 0;
    spriteTimer = 0.0f;
}

void Actor::setAnimation(int aCurFrame, int aNumFrames, int aPortrait, int aStartSprite) {
    curFrame = aCurFrame;
    numSprites = aNumFrames;
    portrait = aPortrait;
    startSprite = aStartSprite;
}

int Actor::getSpriteID() const {
    return inTemporaryFrame ? curFrame : startSprite + curFrame;
}

// --- Health, level, weapon, moods -----------------------------------------

int Actor::getHealth() const { return hp; }
void Actor::setHealth(int nh) { hp = nh; }
int Actor::getHealthMax() const { return max_hp; }
void Actor::setHealthMax(int thp) { max_hp = thp; }

void Actor::hurt(int dhp) {
    hp -= dhp;
    if (hp > max_hp) hp = max_hp;
}

int Actor::getLevel() const { return level; }
void Actor::setLevel(int nl) { level = nl; }
int Actor::getPortrait() const { return portrait; }

Weapon* Actor::getGun() const { return myGun.get(); }
void Actor::setGun(std::unique_ptr<Weapon> target) { myGun = std::move(target); }
std::unique_ptr<Weapon> Actor::takeGun() { return std::move(myGun); }

int Actor::getMood(int) const { return 0; }
int Actor::changeMood(int, int) { return 0; }

bool Actor::isCop() const { return false; }

// --- Overlap, distance, sight ---------------------------------------------

bool Actor::collides(float x2, float y2, float w2, float h2) const {
    if (y + BOX_SIZE < y2 || y > y2 + h2 || x + BOX_SIZE < x2 || x > x2 + w2) return false;
    return true;
}

bool Actor::collides(const Actor* other) const {
    return collides(other->x, other->y, BOX_SIZE, BOX_SIZE);
}

float Actor::distance(float x2, float y2) const {
    float dx = x2 - x;
    float dy = y2 - y;
    return std::sqrt(dx * dx + dy * dy);
}

// Walks the tiles between the two points from the one with the smaller
// coordinates toward the one with the larger, along the diagonal of their
// bounding box, Bresenham style. The walk stops after MAX_SIGHT_TILES tiles,
// which bounds how far an actor can see.
bool Actor::canSee(float targx, float targy, Map* theMap) const {
    return lineOfSight(x, y, targx, targy, theMap);
}

bool Actor::lineOfSight(float x, float y, float targx, float targy, Map* theMap) {
    int tx1 = static_cast<int>(std::min(x, targx) / TILE_SIZE);
    int tx2 = static_cast<int>(std::max(x, targx) / TILE_SIZE);
    int ty1 = static_cast<int>(std::min(y, targy) / TILE_SIZE);
    int ty2 = static_cast<int>(std::max(y, targy) / TILE_SIZE);
    int dx = tx2 - tx1;
    int dy = ty2 - ty1;

    int row = ty1;
    int eps = 0;
    int reps = 0;
    for (int col = tx1; col <= tx2; ++col) {
        if (++reps > MAX_SIGHT_TILES) return false;
        if (theMap && theMap->isBulletSolidTile(col, row)) return false;
        eps += dy;
        if (2 * eps >= dx) {
            row += 1;
            eps -= dx;
        }
        // On the last column, keep walking down until the far row is reached.
        if (col == tx2 && row < ty2) --col;
    }
    return true;
}

// --- Definition file ------------------------------------------------------

void Actor::load(const char* filename) {
    KelFileRead file(filename);
    if (!file.isOkay()) fprintf(stderr, "Couldn't load from %s\n", filename);

    // Unreadable file: the getters below leave their targets alone, so only
    // heading and position, read through zeroed temporaries, become 0.
    file.getIntFromFile(hp, "hp");
    file.getIntFromFile(max_hp, "max_hp");
    file.getIntFromFile(level, "level");
    heading = readFromZero(file, "heading");
    file.getIntFromFile(numSprites, "numSprites");
    file.getIntFromFile(startSprite, "startSprite");
    file.getIntFromFile(portrait, "portrait");
    x = static_cast<float>(readFromZero(file, "x"));
    y = static_cast<float>(readFromZero(file, "y"));
    file.getIntFromFile(team, "team");
}

int Actor::readFromZero(KelFileRead& file, const char* key)
{
    int value = 0;
    file.getIntFromFile(value, key);
    return value;
}

void Actor::save(const char* filename, bool bAppend) {
    KelFileWrite file(filename, bAppend);
    file.putIntInFile(hp, "hp");
    file.putIntInFile(max_hp, "max_hp");
    file.putIntInFile(level, "level");
    file.putIntInFile(static_cast<int>(heading), "heading");
    file.putIntInFile(numSprites, "numSprites");
    file.putIntInFile(startSprite, "startSprite");
    file.putIntInFile(portrait, "portrait");
    file.putIntInFile(static_cast<int>(x), "x");
    file.putIntInFile(static_cast<int>(y), "y");
    file.putIntInFile(team, "team");
    file.close();
}
