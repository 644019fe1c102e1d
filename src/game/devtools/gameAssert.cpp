#include "game/CGame.h"

#include <cstdio>
#include <cstdlib>

// A broken internal invariant ends the game at once, naming where it broke.
void CGame::gameAssert(bool condition, const char* file, int line)
{
    if (condition)
        return;
    fprintf(stderr, "Game assertion (File %s, line %i)\n", file, line);
    exit(1);
}
