#include "app/CGame.h"

#include <cstdio>

#include "script/CinemaScene.h"
#include "world/Actor.h"

// Starts a cut-scene. Scripts do not run yet, so the scene holds only its
// camera point (the player) and ends on its first frame.
void CGame::initCinema(const char* filename)
{
    printf("Cut-scene %s cannot play in this build.\n", filename);
    delete scene;
    scene = new CinemaScene(player ? player->x + 24 : 0, player ? player->y + 24 : 0);
    bInCinema = true;
}
