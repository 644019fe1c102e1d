#include "app/CGame.h"

#include <cstdio>
#include <cstdlib>

void CGame::gameAssert(bool condition, const char* file, int line)
{
    if (condition)
        return;
    printf("Game assertion (File %s, line %i)\n", file, line);
    exit(1);
}

void CGame::consolePrint(const std::string& s)
{
    consoleHistory.push_back(">>>" + s);
}
