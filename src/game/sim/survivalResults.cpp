#include "game/CGame.h"

#include <cstdio>

#include "data/HighScoreTable.h"
#include "render/KelBitmapFont.h"
#include "game/sim/survivalRanking.h"

std::string survivalRanking(int score)
{
    if (score < 5)
        return "LOSER";
    if (score < 10)
        return "FANATIC";
    if (score < 15)
        return "TRAINED KILLER";
    if (score < 20)
        return "EXPERT";
    if (score < 25)
        return "NATURAL BORN KILLER";
    if (score < 30)
        return "NINJA";
    return "GOD";
}

// The screen after a survival run: time, kills and ranking, until a key or a
// window close. The closing key is consumed here, not passed to the menu.
void CGame::survivalResults()
{
    font->setFontColour(255, 255, 255);
    char summary[200];
    snprintf(summary, sizeof summary, "You survived for %im%is, with %i total kills",
             survival.minutes, survival.seconds, survival.score);
    std::string ranking = survivalRanking(survival.score);
    int F = font->getLineHeight();
    int S = smallfont->getLineHeight();
    HighScoreTable best;
    int marked = recordHighScore(best);

    for (;;) {
        clearScreen();
        font->print("Survival mode ended!", 50, 50);
        smallfont->print(summary, 50, 50 + F);
        smallfont->print("Your ranking is ", 50, 50 + F + S);
        font->print(ranking, 125, 50 + F + S);
        drawHighScoreTable(best, marked, 50 + 2 * F + 2 * S);
        smallfont->print("Hit any key to return to the main menu...", 0, scrHeight - S);
        io->swapBuffers();
        io->delay(1);

        while (io->pollEvent(event)) {
            if (event.type == SDL_KEYDOWN || event.type == SDL_QUIT)
                return;
        }
    }
}
