#pragma once
// Corpses in the sprite layer: the dragged corpse first, then those lying on
// the map. Besides drawing, this drives the bleeding and decides which
// corpses are active (on screen). The sprite layer calls it before it draws
// the living actors, so they appear above the bodies.

class CGame;

void drawCorpses(CGame& game, int centreX, int centreY);
