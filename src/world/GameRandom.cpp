#include "world/GameRandom.h"

int GameRandom::next()
{
    // A 64-bit linear congruential step; the upper bits are the good ones.
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return (int)(state >> 33);
}

GameRandom& gameRandom()
{
    static GameRandom generator;
    return generator;
}
