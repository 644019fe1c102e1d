#include "app/CGame.h"

#include <cstdio>

// The map editor is not built yet: opening it returns to the menu at once.
void CGame::editorLoop()
{
    printf("The map editor is not available in this build.\n");
}
