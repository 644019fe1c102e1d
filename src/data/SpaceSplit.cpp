#include "data/SpaceSplit.h"

std::vector<std::string> splitAtSpaces(const std::string& line)
{
    std::vector<std::string> tokens;
    std::string::size_type pos = 0;
    while (pos < line.size()) {
        std::string::size_type start = line.find_first_not_of(' ', pos);
        if (start == std::string::npos)
            break;
        std::string::size_type end = line.find(' ', start);
        if (end == std::string::npos)
            end = line.size();
        tokens.push_back(line.substr(start, end - start));
        pos = end;
    }
    return tokens;
}
