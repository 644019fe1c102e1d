#pragma once
#include "morscript/State.h"

// Helpers shared by the game's host functions for scripts.

// Pops a host function's arguments into script order (args[0] is the first
// argument); false, and the script then stops, when fewer were passed than
// the function takes. Extra arguments are popped and dropped.
inline bool takeHostArguments(MorScript::State* S, int argumentCount, int wanted,
                              MorScript::Value* args)
{
    if (argumentCount < wanted)
        return false;
    for (int i = argumentCount - 1; i >= 0; i--) {
        MorScript::Value v = S->Pop();
        if (i < wanted)
            args[i] = std::move(v);
    }
    return true;
}

// Every host function leaves one result; most have nothing to say.
inline int returnEmpty(MorScript::State* S)
{
    S->Push(MorScript::Value(""));
    return 1;
}
