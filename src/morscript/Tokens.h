// The lexer's unit of output and the display names of token types.
#ifndef MORSCRIPT_TOKENS_H
#define MORSCRIPT_TOKENS_H

#include <string>

#include "morscript/Opcodes.h"

namespace MorScript {

struct Token {
    int type = TK_NONE;
    int id = 0;    // constant index or identifier index; 0 otherwise
    int line = 0;  // line on which the token was completed
};

// A single character for types up to 255, the table name for 256..291,
// "<<ERROR!!!>>" for anything else.
std::string GetTokenName(int type);

}  // namespace MorScript

#endif
