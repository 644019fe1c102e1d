#include "app/CGame.h"

#include <cstdio>

// Placeholder until the script host arrives: nothing is run.
void CGame::runScript(const char* filename) { fprintf(stderr, "runScript: scripts are not available yet, %s not run\n", filename); }
