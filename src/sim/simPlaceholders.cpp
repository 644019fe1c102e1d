#include "app/CGame.h"

#include "world/Actor.h"

// Play input for now: only leaving the game and the help key. Walking,
// aiming, firing and the use key arrive with the player's controls.
void CGame::getInput()
{
    while (io->pollEvent(event)) {
        if (event.type == SDL_QUIT)
            bGameOver = true;
        else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)
            bGameOver = true;
        else if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_h)
            help = true;
    }
}

bool CGame::playerCollision(float, float) { return false; }

// Bullets do not fly yet.
void CGame::handleShots() {}

// Survival mode does not spawn officers yet and has no results screen.
void CGame::survivalUpdate(float) {}
void CGame::survivalResults() {}

// Corpses cannot be dragged yet, so there is never one to drop.
void CGame::dropLuggedCorpse() { bIsLuggingCorpse = false; }
