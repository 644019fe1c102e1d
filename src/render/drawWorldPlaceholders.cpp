#include "app/CGame.h"

#include <GL/gl.h>

// Layers of the world that have nothing to draw yet: effects and larders
// arrive with the simulation that makes them.
void CGame::drawEffectLayer(int, int) {}
void CGame::drawLarders(float, float) {}

// The head-up display is not drawn yet.
void CGame::drawHUD() {}

// The world is drawn untinted until the hurt and combo tints exist.
void CGame::setWorldTint() { glColor3f(1, 1, 1); }
void CGame::setBlueTint() {}
