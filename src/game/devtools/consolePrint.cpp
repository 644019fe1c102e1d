#include "game/CGame.h"

void CGame::consolePrint(const std::string& s)
{
    consoleHistory.push_back(">>>" + s);
}
