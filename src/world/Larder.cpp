#include "world/Larder.h"
#include "world/GameRandom.h"

#include <cstdlib>
#include "world/SpriteIndex.h"

namespace {

const float BOX_SIZE = 128.0f;
const int HALF_BOX = 64;
// Seconds each frame of the storing animation is shown.
const float FRAME_TIME = 0.25f;
const int LAST_FRAME = 2;
// Image of the first animation frame in the actor sprite set.

}  // namespace

Larder::Larder()
    : freezing(false), frame(0), frozen(0), x(0.0f), y(0.0f), frametimer(0.0f),
      rotation(gameRand() % 360) {}

Larder::~Larder() = default;

void Larder::freeze(Corpse* victim) {
    if (!victim) return;
    frozen += 1;
    freezing = true;
    frame = 0;
    frametimer = 0.0f;
}

int Larder::numFrozen() { return frozen; }
float Larder::getX() { return x; }
float Larder::getY() { return y; }
void Larder::setX(float nx) { x = nx; }
void Larder::setY(float ny) { y = ny; }
int Larder::getFrame() { return frame + SpriteIndex::LARDER_STORING; }

void Larder::update(float delta) {
    if (!freezing) return;
    frametimer += delta;
    if (frametimer >= FRAME_TIME) {
        frame += 1;
        frametimer = 0.0f;
        if (frame > LAST_FRAME) {
            frame = 0;
            freezing = false;
        }
    }
}

double Larder::getRotation() { return rotation; }
void Larder::setRotation(double r) { rotation = r; }

int Larder::getSquaredDistance(int x2, int y2) {
    int dx = x2 - static_cast<int>(x + HALF_BOX);
    int dy = y2 - static_cast<int>(y + HALF_BOX);
    return dx * dx + dy * dy;
}

bool Larder::collides(float x2, float y2, float w2, float h2) {
    if (y + BOX_SIZE < y2 || y > y2 + h2 || x + BOX_SIZE < x2 || x > x2 + w2) return false;
    return true;
}
