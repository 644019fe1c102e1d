#pragma once
#include <vector>

class AIActor;

// A cut-scene directed by a script. Scripts do not run yet, so a scene is
// never ready: the play loop ends it on its first frame.
class CinemaScene {
public:
    CinemaScene(float x, float y) : cinemaX(x), cinemaY(y) {}
    float cinemaX, cinemaY;
    std::vector<AIActor*> actors;

    void tickScript(float) {}
    bool isReady() const { return false; }
    bool isDone() const { return true; }
    void finish() {}
};
