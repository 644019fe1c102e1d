#pragma once
#include <cstdint>

// The one random generator of the game. Every random choice of the world and
// the play frames draws from it, so that a recorded seed and the recorded
// input reproduce a whole session. It behaves like the C library's rand():
// non-negative ints up to 2^31 - 1, reduced by the caller with %.
class GameRandom {
public:
    void seed(uint64_t s) { state = s; }
    uint64_t getState() const { return state; }
    // The next number, 0 .. 2^31 - 1.
    int next();

private:
    uint64_t state = 1;
};

// The generator shared by the whole program (seeded once at start-up).
GameRandom& gameRandom();
// One draw from the shared generator, in the manner of rand().
inline int gameRand() { return gameRandom().next(); }
