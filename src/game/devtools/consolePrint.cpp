#include "game/CGame.h"

void CGame::consolePrint(const std::string& s)
{
    tools.consoleHistory.push_back(">>>" + s);
}
