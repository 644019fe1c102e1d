#include "app/CGame.h"

#include <GL/gl.h>

// The head-up display is not drawn yet.
void CGame::drawHUD() {}

// The world is drawn untinted until the hurt and combo tints exist.
void CGame::setWorldTint() { glColor3f(1, 1, 1); }
void CGame::setBlueTint() {}
