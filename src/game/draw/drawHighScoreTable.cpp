#include "game/CGame.h"

#include <cstdio>

#include "data/HighScoreTable.h"
#include "render/KelBitmapFont.h"

namespace {
// Columns of the table, in pixels from the left.
const int COL_PLACE = 50;
const int COL_KILLS = 90;
const int COL_TIME = 190;
const int COL_RANKING = 280;
const int COL_DATE = 500;
}

// The best survival runs under a heading, from `top` down; the row `marked`
// (the run just ended) stands out in red.
void CGame::drawHighScoreTable(const HighScoreTable& table, int marked, int top)
{
    int S = devices.smallfont->getLineHeight();
    devices.smallfont->print("Best survival runs", COL_PLACE, top);
    for (size_t i = 0; i < table.entries.size(); i++) {
        const HighScore& run = table.entries[i];
        int y = top + (int)(i + 1) * S;
        if ((int)i == marked)
            devices.smallfont->setFontColour(255, 0, 0);
        char text[64];
        snprintf(text, sizeof text, "%d.", (int)i + 1);
        devices.smallfont->print(text, COL_PLACE, y);
        snprintf(text, sizeof text, "%d kills", run.kills);
        devices.smallfont->print(text, COL_KILLS, y);
        snprintf(text, sizeof text, "%dm%02ds", run.seconds / 60, run.seconds % 60);
        devices.smallfont->print(text, COL_TIME, y);
        devices.smallfont->print(run.ranking, COL_RANKING, y);
        devices.smallfont->print((int)i == marked ? run.date + "  new!" : run.date, COL_DATE, y);
        devices.smallfont->setFontColour(255, 255, 255);
    }
}
