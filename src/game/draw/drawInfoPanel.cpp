#include "game/CGame.h"

#include "render/HudMath.h"
#include "render/KelBitmapFont.h"
#include "render/SpriteManager.h"
#include "world/SpriteIndex.h"

namespace {
const int NUMBER_X = 34;

void drawRow(CGame& g, int row, int icon, int number)
{
    // Rows stand above the weapon icon, spaced by the taller of line and icon.
    int y = HudMath::HudLayout(g.devices.font->getLineHeight(), g.scrHeight).infoRowY(row);
    const int size = HudMath::HudLayout::ICON;
    g.devices.actorSprites->drawSprite(icon, 0, y, size, size);
    g.devices.font->print(HudMath::format("%i", number), NUMBER_X, y);
}
}

// The story game's progress in the lower left corner, shown while I is held:
// corpses stored, corpses still to store (the dragged one too), and people
// left alive besides the player.
void CGame::drawInfoPanel()
{
    if (play.survival.active)
        return;
    drawRow(*this, 1, SpriteIndex::LARDER_ICON, play.inLarder);
    drawRow(*this, 2, SpriteIndex::KILL_ICON, (int)world.corpses.size() + (play.bIsLuggingCorpse ? 1 : 0));
    drawRow(*this, 3, SpriteIndex::PEOPLE_LEFT_ICON, (int)world.actors.size() - 1);
}
