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
