#include "game/CGame.h"

#include "render/HudMath.h"

// The colour in which the world layers are drawn this frame: white, red for a
// moment after the player was hurt, or, while a combo of five or more runs,
// a red that fades with the combo.
void CGame::setWorldTint()
{
    if (!play.redRender) {
        if (HudMath::advanceHurt(play.hurtTimer, delta))
            setColour(1, 0, 0);
        else
            setColour(1, 1, 1);
        return;
    }
    HudMath::pulseBlue(play.blueEffect, play.redPulse, delta);
    setColour(play.redEffect, 0, 0);
}

// During a combo the actors, larders and cursor pulse in blue over the red world.
void CGame::setBlueTint()
{
    setColour(0, 0, play.blueEffect);
}
