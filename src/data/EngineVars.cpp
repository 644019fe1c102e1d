#include "data/EngineVars.h"

#include <cstdio>
#include <fstream>
#include <string>

#include "data/DataFile.h"

EngineVars readEngineVars(const char* filename)
{
    EngineVars vars;
    vars.fullscreen = false;

    std::ifstream in;
    if (!openDataFile(in, filename)) {
        fprintf(stderr, "%s: Engine variables file %s is missing\n", "loadEngineVars", filename);
        return vars;
    }

    // Orders are short, but a longer line is read whole, so it is reported
    // once as a single order instead of being split into pieces. Only the
    // exact text "fs" counts: a line ending in a carriage return is reported.
    std::string line;
    while (std::getline(in, line)) {
        if (line == "fs")
            vars.fullscreen = true;
        else if (line.size() == 7 && line.compare(0, 6, "scale ") == 0 && line[6] >= '1' &&
                 line[6] <= '4')
            vars.scale = line[6] - '0';
        else
            fprintf(stderr, "Engine order '%s' not understood.\n", line.c_str());
    }
    return vars;
}
