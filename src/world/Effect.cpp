#include "world/Effect.h"

#include "world/GameRandom.h"
#include "world/SpriteIndex.h"

namespace {

const int DEFAULT_SIZE = 16;
// The larder's marker: where it starts, how fast it rises, its size.
const float MARKER_OFFSET_X = 32.0f;
const float MARKER_RISE_SPEED = -70.0f;
const int MARKER_SIZE = 64;

// A random scatter of -25 .. 24 pixels.
int scatter() { return gameRand() % 50 - 25; }

}  // namespace

Effect::Effect(int mGraphic, float mX, float mY, float mVX, float mVY, double rot)
    : vx(mVX), vy(mVY), x(mX), y(mY), graphic(mGraphic), width(DEFAULT_SIZE),
      height(DEFAULT_SIZE), timer(0.0f), rotation(rot) {}

Effect::Effect(int mGraphic, float mX, float mY, float mVX, float mVY)
    : Effect(mGraphic, mX, mY, mVX, mVY, 0.0) {}

void Effect::update(float dt) {
    x += vx * dt;
    y += vy * dt;
    timer += dt;
}

std::vector<Effect> bloodSplashes(int amount, float x, float y)
{
    std::vector<Effect> splashes;
    for (int i = 0; i < amount; i++) {
        // The random numbers are drawn in this order: x, y, image.
        float bx = x + scatter();
        float by = y + scatter();
        int graphic = SpriteIndex::BLOOD + gameRand() % SpriteIndex::BLOOD_KINDS;
        splashes.emplace_back(graphic, bx, by, 0, 0);
    }
    return splashes;
}

Effect bulletHole(double angle, float x, float y)
{
    return Effect(SpriteIndex::BULLET_HOLE, x, y, 0, 0, angle);
}

Effect bulletCasing(double angle, float x, float y)
{
    float cx = x + scatter();
    float cy = y + scatter();
    return Effect(SpriteIndex::CASING, cx, cy, 0, 0, angle);
}

Effect larderMarker(float x, float y)
{
    Effect marker(SpriteIndex::LARDER_DROP_MARKER, x + MARKER_OFFSET_X, y, 0, MARKER_RISE_SPEED);
    marker.setWidth(MARKER_SIZE);
    marker.setHeight(MARKER_SIZE);
    return marker;
}
