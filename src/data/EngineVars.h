#pragma once
// Engine orders of "config.cfg", read once before the window opens.

struct EngineVars {
    bool fullscreen = false;
};

// Reads the engine orders of filename: a line that is exactly "fs" asks for
// full-screen mode; any other line is reported and ignored. A missing file
// is reported and gives the defaults.
EngineVars readEngineVars(const char* filename);
