#pragma once
// Engine orders of "config.cfg", read once before the window opens.

struct EngineVars {
    bool fullscreen = false;
    int scale = 0; // "scale N": a window N (1 to 4) times the picture; 0 unset
};

// Reads the engine orders of filename: a line that is exactly "fs" asks for
// full-screen mode, "scale N" (N 1 to 4) a window N times the picture size;
// any other line is reported and ignored. A missing file
// is reported and gives the defaults.
EngineVars readEngineVars(const char* filename);
