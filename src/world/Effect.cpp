#include "world/Effect.h"

namespace {

const int DEFAULT_SIZE = 16;

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
