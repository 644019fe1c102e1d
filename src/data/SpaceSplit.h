#pragma once
// Splitting a line of a text data file (font definitions, the entity file)
// into its space-separated tokens.
#include <string>
#include <vector>

// Splits at spaces; runs of spaces are one separator and leading or trailing
// spaces give no empty token. Only the space separates: a tab, a carriage
// return or any other character belongs to its token.
std::vector<std::string> splitAtSpaces(const std::string& line);
