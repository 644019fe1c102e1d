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
    font->setFontColour(255, 255, 255);
    char summary[200];
    snprintf(summary, sizeof summary, "You survived for %im%is, with %i total kills",
             survival.minutes, survival.seconds, survival.score);
    std::string ranking = survivalRanking(survival.score);
    // The ranking word follows its label, however wide the label is drawn.
    const std::string label = "Your ranking is ";
    int F = font->getLineHeight();
    int S = smallfont->getLineHeight();
    HighScoreTable best;
    int marked = recordHighScore(best);

    bool done = false;
    ModalLoop results;
    results.running = [&] { return !done; };
    results.frame = [&] {
        clearScreen();
        font->print("Survival mode ended!", 50, 50);
        smallfont->print(summary, 50, 50 + F);
        smallfont->print(label, 50, 50 + F + S);
        font->print(ranking, 50 + textWidth(*smallfont, label), 50 + F + S);
        drawHighScoreTable(best, marked, 50 + 2 * F + 2 * S);
        smallfont->print("Hit any key to return to the main menu...", 0, scrHeight - S);
        return true;
    };
    results.delayMs = 1;
    results.eventsAt = ModalLoop::EVENTS_AFTER_SWAP;
    results.onEvent = [&](const SDL_Event& e) {
        done = e.type == SDL_KEYDOWN || e.type == SDL_QUIT;
        return !done; // the closing event is taken, the rest stay queued
    };
    results.run(*io, event);
}
