#include "game/CGame.h"

#include "render/HudMath.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "world/SpriteIndex.h"

namespace {
const int ICON_SIZE = 32;
const int NUMBER_X = 34;
// The rows stand this far above the lower edge, one line apart.
const int BOTTOM_MARGIN = 64;

void drawRow(CGame& g, int row, int icon, int number)
{
    int y = g.scrHeight - row * g.font->getLineHeight() - BOTTOM_MARGIN;
    g.actorSprites->drawSprite(icon, 0, y, ICON_SIZE, ICON_SIZE);
    g.font->print(HudMath::format("%i", number), NUMBER_X, y);
}
}

// The story game's progress in the lower left corner, shown while I is held:
// corpses stored, corpses still to store (the dragged one too), and people
// left alive besides the player.
void CGame::drawInfoPanel()
{
    if (survival.active)
        return;
    drawRow(*this, 1, SpriteIndex::LARDER_ICON, inLarder);
    drawRow(*this, 2, SpriteIndex::KILL_ICON, (int)corpses.size() + (bIsLuggingCorpse ? 1 : 0));
    drawRow(*this, 3, SpriteIndex::PEOPLE_LEFT_ICON, (int)actors.size() - 1);
}
