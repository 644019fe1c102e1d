#include "app/CGame.h"

// Survival mode does not spawn officers yet and has no results screen.
void CGame::survivalUpdate(float) {}
void CGame::survivalResults() {}

// Called by the player's controls; each does nothing until its owner lands.
void CGame::consoleLoop() {} // placeholder until the developer console arrives
void CGame::takeScreenshot(const char*) {} // placeholder until screenshots arrive
