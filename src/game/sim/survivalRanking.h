#pragma once
#include <string>

// The ranking word the survival results give for a number of kills.
std::string survivalRanking(int score);
