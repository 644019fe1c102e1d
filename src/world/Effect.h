#pragma once
// A short-lived decoration lying on the map: a blood splash, a bullet hole, a
// spent casing or the marker rising from a larder. It drifts at a constant
// velocity and ages; the effect layer draws it and deletes it when old.
#include <vector>

class Effect {
public:
    // Width and height 16, age 0.
    Effect(int mGraphic, float mX, float mY, float mVX, float mVY, double rot);
    Effect(int mGraphic, float mX, float mY, float mVX, float mVY);

    // Moves by the velocity over dt seconds and ages by dt.
    void update(float dt);

    float getX() const { return x; }
    float getY() const { return y; }
    float getSpeedX() const { return vx; }
    float getSpeedY() const { return vy; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    int getGraphic() const { return graphic; }
    double getRotation() const { return rotation; }
    float getTimer() const { return timer; }

    void setLoc(float nx, float ny) { x = nx; y = ny; }
    void setSpeed(float nvx, float nvy) { vx = nvx; vy = nvy; }
    void setWidth(int w) { width = w; }
    void setHeight(int h) { height = h; }
    void setGraphic(int g) { graphic = g; }
    void setRotation(double r) { rotation = r; }

protected:
    float vx, vy;      // world pixels per second
    float x, y;        // top-left corner of the sprite, world pixels
    int graphic;       // image in the actor sprite set
    int width, height; // drawn size in pixels
    float timer;       // age in seconds
    double rotation;   // degrees
};

// The kinds the game leaves on the map, placed with the game's random
// numbers at the moment they happen.
// Splashes scattered around (x, y), each one of the three blood images.
std::vector<Effect> bloodSplashes(int amount, float x, float y);
Effect bulletHole(double angle, float x, float y);
// A casing scattered around (x, y).
Effect bulletCasing(double angle, float x, float y);
// The marker that rises from a larder whose top-left corner is (x, y).
Effect larderMarker(float x, float y);
