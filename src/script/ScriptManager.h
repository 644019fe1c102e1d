#pragma once

// The game's one script engine instance. Scripts are not run yet.
class ScriptManager {
public:
    ScriptManager() = default;
};
