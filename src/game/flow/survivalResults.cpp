#include "game/CGame.h"

#include <cstdio>

#include "game/flow/ModalLoop.h"
#include "data/HighScoreTable.h"
#include "render/KelBitmapFont.h"
#include "render/TextWrap.h"
#include "game/sim/survivalRanking.h"

// The screen after a survival run: time, kills and ranking, until a key or a
// window close. The closing key is consumed here, not passed to the menu.
void CGame::survivalResults()
{
    devices.font->setFontColour(255, 255, 255);
    char summary[200];
    snprintf(summary, sizeof summary, "You survived for %im%is, with %i total kills",
             play.survival.minutes, play.survival.seconds, play.survival.score);
    std::string ranking = survivalRanking(play.survival.score);
    // The ranking word follows its label, however wide the label is drawn.
    const std::string label = "Your ranking is ";
    int F = devices.font->getLineHeight();
    int S = devices.smallfont->getLineHeight();
    HighScoreTable best;
    int marked = recordHighScore(best);

    bool done = false;
    ModalLoop results;
    results.running = [&] { return !done; };
    results.frame = [&] {
        clearScreen();
        devices.font->print("Survival mode ended!", 50, 50);
        devices.smallfont->print(summary, 50, 50 + F);
        devices.smallfont->print(label, 50, 50 + F + S);
        devices.font->print(ranking, 50 + textWidth(*devices.smallfont, label), 50 + F + S);
        drawHighScoreTable(best, marked, 50 + 2 * F + 2 * S);
        devices.smallfont->print("Hit any key to return to the main menu...", 0, scrHeight - S);
        return true;
    };
    results.delayMs = 1;
    results.eventsAt = ModalLoop::EVENTS_AFTER_SWAP;
    results.onEvent = [&](const SDL_Event& e) {
        done = e.type == SDL_KEYDOWN || e.type == SDL_QUIT;
        return !done; // the closing event is taken, the rest stay queued
    };
    results.run(*devices.io, event);
}
